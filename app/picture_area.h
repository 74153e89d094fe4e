// The client area of a fractal window: shows the window's picture centred,
// draws the zoom rectangle with an inverting pen, and passes mouse events
// to the window's navigation.
#pragma once

#include <QImage>
#include <QWidget>

#include "picture_geometry.h"

namespace zarvo {

class TMDIChild;

class PictureArea : public QWidget {
public:
    explicit PictureArea(TMDIChild& owner, QWidget* parent = nullptr);

    // The window's own picture (what a repaint shows).
    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }

    // Window coordinates to picture pixels, the picture being centred.
    PicturePoint toPicture(const QPoint& p) const;

    // Modifier and button bits of an event, as the navigation counts them.
    static int ShiftState(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons, bool doubleClick);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    TMDIChild& owner_;
    QImage picture_;
};

}  // namespace zarvo
