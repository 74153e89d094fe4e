// Stand-in for the attractor parameters dialog.
#pragma once

#include "parameter_set.h"
#include "standin_dialog.h"

namespace zarvo {

class Tvtl_params1 : public StandInDialog {
public:
    explicit Tvtl_params1(ParameterSet&, QWidget* parent = nullptr)
        : StandInDialog(QStringLiteral("Vantrel Parameters"), QStringLiteral("The attractor parameters dialog is not available in this build."), parent) {}
};

}  // namespace zarvo
