// Stand-in for the colour-mixing dialog.
#pragma once

#include "parameter_set.h"
#include "standin_dialog.h"

namespace zarvo {

class TColorForm : public StandInDialog {
public:
    explicit TColorForm(ParameterSet&, QWidget* parent = nullptr)
        : StandInDialog(QStringLiteral("Color Mixing"), QStringLiteral("The colour-mixing dialog is not available in this build."), parent) {}
    void takeValues(ParameterSet&) const {}
};

}  // namespace zarvo
