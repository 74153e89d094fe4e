// Stand-in for the About box.
#pragma once

#include "standin_dialog.h"

namespace zarvo {

class TAboutBox : public StandInDialog {
public:
    explicit TAboutBox(QWidget* parent = nullptr)
        : StandInDialog(QStringLiteral("About"), QStringLiteral("z a r v o _ v0.1\nA fractal explorer."), parent) {}
};

}  // namespace zarvo
