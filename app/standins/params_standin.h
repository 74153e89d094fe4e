// Stand-in for the iteration parameters dialog.
#pragma once

#include "parameter_set.h"
#include "standin_dialog.h"

namespace zarvo {

class TParams1 : public StandInDialog {
public:
    explicit TParams1(ParameterSet&, QWidget* parent = nullptr)
        : StandInDialog(QStringLiteral("Parameters"), QStringLiteral("The iteration parameters dialog is not available in this build."), parent) {}
    void takeValues(ParameterSet&) const {}
};

}  // namespace zarvo
