#include "picture_area.h"

#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QWheelEvent>

namespace zarvo {

int ShiftBitsOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons, bool doubleClick) {
    int shift = 0;
    if (modifiers & Qt::ShiftModifier) shift |= shiftShift;
    if (modifiers & Qt::AltModifier) shift |= shiftAlt;
    if (modifiers & Qt::ControlModifier) shift |= shiftCtrl;
    if (buttons & Qt::LeftButton) shift |= shiftLeft;
    if (buttons & Qt::RightButton) shift |= shiftRight;
    if (buttons & Qt::MiddleButton) shift |= shiftMiddle;
    if (doubleClick) shift |= shiftDouble;
    return shift;
}

Qt::CursorShape CursorFor(PointerShape shape) {
    switch (shape) {
        case PointerShape::SizeAll:
            return Qt::SizeAllCursor;
        case PointerShape::PointingHand:
            return Qt::PointingHandCursor;
        case PointerShape::SizeNWSE:
            return Qt::SizeFDiagCursor;
        case PointerShape::SizeNESW:
            return Qt::SizeBDiagCursor;
        case PointerShape::Cross:
        default:
            return Qt::CrossCursor;
    }
}

PictureArea::PictureArea(PictureOwner& owner, QWidget* parent) : QWidget(parent), owner_(owner) {
    setObjectName(QStringLiteral("Image1"));
    setMouseTracking(true);
    setCursor(Qt::CrossCursor);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureArea::setPicture(const QImage& picture) {
    picture_ = picture;
    setMinimumSize(picture_.size());
    update();
}

void PictureArea::setOverlay(const QPolygonF& line) {
    if (line.isEmpty() && overlay_.isEmpty()) return;
    overlay_ = line;
    update();
}

PicturePoint PictureArea::toPicture(const QPoint& p) const {
    return ToPicture(p.x(), p.y(), width(), height(), picture_.width(), picture_.height());
}

void PictureArea::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().color(QPalette::Window));
    const PicturePoint origin = PictureOrigin(width(), height(), picture_.width(), picture_.height());
    painter.drawImage(origin.x, origin.y, picture_);
    if (!overlay_.isEmpty()) {
        // A light line on a dark one, seen on any colours.
        painter.save();
        painter.translate(origin.x, origin.y);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.setPen(QPen(QColor(0, 0, 0, 160), 3));
        painter.drawPolyline(overlay_);
        painter.setPen(QPen(QColor(255, 236, 64), 1));
        painter.drawPolyline(overlay_);
        painter.setBrush(QColor(255, 236, 64));
        painter.drawEllipse(overlay_.first(), 2.5, 2.5);
        painter.restore();
    }

    // The rectangle and its handles invert what lies under them.
    const std::vector<Outline>& outlines = owner_.pictureNavigation().outlines();
    if (outlines.empty()) return;
    painter.setCompositionMode(QPainter::CompositionMode_Difference);
    painter.setPen(QPen(Qt::white, 1));
    painter.setBrush(Qt::NoBrush);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (const Outline& o : outlines) {
        const int w = o.right - o.left - 1;
        const int h = o.bottom - o.top - 1;
        if (w < 0 || h < 0) continue;
        painter.drawRect(QRect(origin.x + o.left, origin.y + o.top, w, h));
    }
}

bool PictureArea::otherButton(QMouseEvent* event, bool pressed) {
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton) return false;
    // Taken here whether the owner wants it or not, as it always was.
    owner_.Image1OtherButton(event->button(), toPicture(event->position().toPoint()), pressed);
    return true;
}

void PictureArea::mousePressEvent(QMouseEvent* event) {
    if (otherButton(event, true)) return;
    if (event->button() != Qt::LeftButton) return;
    const int shift = ShiftBitsOf(event->modifiers(), event->button(), event->type() == QEvent::MouseButtonDblClick);
    owner_.Image1MouseDown(toPicture(event->position().toPoint()), shift);
}

void PictureArea::mouseMoveEvent(QMouseEvent* event) { owner_.Image1MouseMove(toPicture(event->position().toPoint())); }

void PictureArea::mouseReleaseEvent(QMouseEvent* event) {
    if (otherButton(event, false)) return;
    if (event->button() != Qt::LeftButton) return;
    owner_.Image1MouseUp(toPicture(event->position().toPoint()),
                         ShiftBitsOf(event->modifiers(), event->button(), false));
}

void PictureArea::wheelEvent(QWheelEvent* event) {
    if (!owner_.Image1Wheel(toPicture(event->position().toPoint()), event->angleDelta().y(), event->modifiers()))
        event->ignore();
}

void PictureArea::leaveEvent(QEvent*) { owner_.Image1MouseLeave(); }

void PictureArea::contextMenuEvent(QContextMenuEvent* event) { owner_.PopupMenu(event->globalPos()); }

}  // namespace zarvo
