#include "tool_dialog.h"

#include <QScreen>

#include "remembered.h"

namespace zarvo {

ToolDialog::ToolDialog(const QString& caption, QWidget* parent) : QDialog(parent) {
    setWindowFlags(Qt::Tool | Qt::WindowStaysOnTopHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint);
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
    placeFirstTime();
    show();
    raise();
    activateWindow();
    afterShow();
}

QPoint ToolDialog::homeSpot(const QRect&, const QSize&) const { return {}; }

QPoint ToolDialog::alongRightEdge(const QRect& frame, const QSize& size, int top) {
    constexpr int margin = 16;
    return {frame.right() - size.width() - margin, frame.top() + top};
}

void ToolDialog::placeFirstTime() {
    if (placed_) return;
    placed_ = true;
    QWidget* main = parentWidget() ? parentWidget()->window() : nullptr;
    if (!main || !main->isVisible()) return;
    adjustSize();
    const QRect remembered = RememberedPlace(placeKey());
    QPoint spot = remembered.isNull() ? homeSpot(main->frameGeometry(), size()) : remembered.topLeft();
    if (spot.isNull()) return;
    // Keep the whole dialog on the screen, with its caption bar and
    // border, which are taken to be as large as the main window's.
    if (const QScreen* s = main->screen()) {
        const QRect avail = s->availableGeometry();
        const QSize outer = size() + (main->frameGeometry().size() - main->size());
        spot.setX(qBound(avail.left(), spot.x(), qMax(avail.left(), avail.right() + 1 - outer.width())));
        spot.setY(qBound(avail.top(), spot.y(), qMax(avail.top(), avail.bottom() + 1 - outer.height())));
    }
    move(spot);
}

QString ToolDialog::placeKey() const { return QStringLiteral("dialogs/") + windowTitle(); }

void ToolDialog::hideEvent(QHideEvent* event) {
    if (placed_) RememberPlace(placeKey(), frameGeometry());
    QDialog::hideEvent(event);
}

void ToolDialog::reject() {
    if (isVisible()) beforeHide();
    QDialog::reject();
}

}  // namespace zarvo
