// Stand-in for the JPEG options dialog: pictures are saved with the
// settings of the parameter set (quality 85, progressive).
#pragma once

#include "parameter_set.h"
#include "standin_dialog.h"

namespace zarvo {

class TJPGUnit : public StandInDialog {
public:
    explicit TJPGUnit(ParameterSet&, QWidget* parent = nullptr)
        : StandInDialog(QStringLiteral("JPEG Parameters"), QStringLiteral("The JPEG options dialog is not available in this build."), parent) {}
};

}  // namespace zarvo
