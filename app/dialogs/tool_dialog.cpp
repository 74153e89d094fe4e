#include "tool_dialog.h"

namespace zarvo {

ToolDialog::ToolDialog(const QString& caption, QWidget* parent) : QDialog(parent) {
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setWindowTitle(caption);
    setModal(false);
    setSizeGripEnabled(false);
}

void ToolDialog::toggle() {
    if (isVisible()) {
        beforeHide();
        hide();
        return;
    }
    beforeShow();
    show();
    raise();
    activateWindow();
    afterShow();
}

void ToolDialog::reject() {
    if (isVisible()) beforeHide();
    QDialog::reject();
}

}  // namespace zarvo
