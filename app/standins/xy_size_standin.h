// Stand-in for the image-size dialog: it shows nothing to edit, so a
// fractal window resizing while it is visible keeps the picture size.
#pragma once

#include "parameter_set.h"
#include "reporter.h"
#include "standin_dialog.h"

namespace zarvo {

class TXYSize1 : public StandInDialog {
public:
    TXYSize1(ParameterSet& ps, Reporter&, QWidget* parent = nullptr)
        : StandInDialog(QStringLiteral("XY Size"), QStringLiteral("The image-size dialog is not available in this build; use the XYSize menu."), parent), ps_(ps) {}
    int fieldWidth() const { return ps_.pictureWidth; }
    int fieldHeight() const { return ps_.pictureHeight; }
    void showSize(int, int) {}

private:
    ParameterSet& ps_;
};

}  // namespace zarvo
