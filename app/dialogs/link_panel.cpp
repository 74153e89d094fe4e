#include "link_panel.h"

#include <QDesktopServices>
#include <QMouseEvent>

namespace zarvo {

LinkPanel::LinkPanel(const QUrl& url, const QString& text, QWidget* parent) : QLabel(text, parent), url_(url) {
    setObjectName(QStringLiteral("LinkPanel"));
    openUrl = [](const QUrl& u) { return QDesktopServices::openUrl(u); };
    setCursor(Qt::PointingHandCursor);
    setMouseTracking(true);
    setAlignment(Qt::AlignCenter);
    setToolTip(url.toString());
    setLook(Look::Idle);
}

void LinkPanel::setLook(Look look) {
    look_ = look;
    QFont f = font();
    f.setBold(true);
    f.setUnderline(look == Look::Hover);
    setFont(f);
    QColor colour;
    switch (look) {
        case Look::Idle:
            colour = QColor(0xc0, 0xc0, 0xc0);
            break;  // silver
        case Look::Hover:
            colour = Qt::white;
            break;
        case Look::Visited:
            colour = QColor(0x80, 0x00, 0x00);
            break;  // maroon
    }
    QPalette pal = palette();
    pal.setColor(QPalette::WindowText, colour);
    setPalette(pal);
}

void LinkPanel::endCapture() {
    if (!capturing_) return;
    capturing_ = false;
    releaseMouse();
}

void LinkPanel::mouseMoveEvent(QMouseEvent* event) {
    const bool inside = rect().contains(event->position().toPoint());
    if (!capturing_ && inside) {
        setLook(Look::Hover);
        capturing_ = true;
        grabMouse(Qt::PointingHandCursor);
    } else if (capturing_ && !inside) {
        setLook(Look::Idle);
        endCapture();
    }
    QLabel::mouseMoveEvent(event);
}

void LinkPanel::mouseReleaseEvent(QMouseEvent* event) {
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint())) {
        endCapture();
        const bool opened = openUrl && openUrl(url_);
        setLook(Look::Visited);
        if (!opened) emit openFailed(url_);
        return;
    }
    QLabel::mouseReleaseEvent(event);
}

void LinkPanel::leaveEvent(QEvent* event) {
    // Where the platform cannot hold the pointer, leaving still ends the hover.
    if (capturing_) {
        setLook(Look::Idle);
        endCapture();
    }
    QLabel::leaveEvent(event);
}

void LinkPanel::hideEvent(QHideEvent* event) {
    endCapture();
    if (look_ == Look::Hover) setLook(Look::Idle);
    QLabel::hideEvent(event);
}

}  // namespace zarvo
