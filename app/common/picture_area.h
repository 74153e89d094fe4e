// The client area of a picture window (a fractal window or the attractor
// view): shows the window's picture centred, draws the zoom rectangle and
// its handles with an inverting pen, and passes the mouse to its owner in
// picture pixels.
#pragma once

#include <QImage>
#include <QPolygonF>
#include <QWidget>

#include "mouse_navigation.h"
#include "picture_geometry.h"

namespace zarvo {

// What a picture area needs from the window it belongs to.
class PictureOwner {
public:
    virtual ~PictureOwner() = default;
    virtual const MouseNavigation& pictureNavigation() const = 0;
    virtual void Image1MouseDown(PicturePoint p, int shift) = 0;
    virtual void Image1MouseMove(PicturePoint p) = 0;
    virtual void Image1MouseUp(PicturePoint p, int shift) = 0;
    virtual void PopupMenu(const QPoint& globalPos) = 0;
    // A button other than the left and right ones was pressed or released
    // over the picture (the middle button, the mouse's back and forward
    // buttons).
    virtual void Image1OtherButton(Qt::MouseButton button, PicturePoint p, bool pressed) {
        (void)button, (void)p, (void)pressed;
    }
    // The wheel turned by `delta` (120 a notch) over the picture. False
    // when the window has no use for it (the picture then scrolls).
    virtual bool Image1Wheel(PicturePoint p, int delta, Qt::KeyboardModifiers modifiers) {
        (void)p, (void)delta, (void)modifiers;
        return false;
    }
    // The pointer left the picture.
    virtual void Image1MouseLeave() {}
};

class PictureArea : public QWidget {
public:
    explicit PictureArea(PictureOwner& owner, QWidget* parent = nullptr);

    // The window's own picture (what a repaint shows).
    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }
    // A line through points given in picture pixels (the orbit of a pixel),
    // drawn over the picture; an empty one draws nothing.
    void setOverlay(const QPolygonF& line);

    // Window coordinates to picture pixels, the picture being centred.
    PicturePoint toPicture(const QPoint& p) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void leaveEvent(QEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    // Passes a press or release of another button to the owner; true when
    // it was one.
    bool otherButton(QMouseEvent* event, bool pressed);

    PictureOwner& owner_;
    QImage picture_;
    QPolygonF overlay_;
};

// Modifier and button bits of an event in the order the navigation counts
// them (shift 1, alt 2, control 4, left 8, right 16, middle 32, double 64).
int ShiftBitsOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons, bool doubleClick);

// The platform pointer for the navigation's choice of shape.
Qt::CursorShape CursorFor(PointerShape shape);

}  // namespace zarvo
