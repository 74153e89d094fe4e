// The client area of the attractor view: shows the picture centred, draws
// the zoom rectangle and its handles with an inverting pen, and passes the
// mouse to the view in picture pixels.
#pragma once

#include <QImage>
#include <QWidget>

#include "picture_geometry.h"

namespace zarvo {

class TVantrel;

class VantrelPictureArea : public QWidget {
public:
    explicit VantrelPictureArea(TVantrel& owner, QWidget* parent = nullptr);

    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }

    // Client coordinates to picture pixels, the picture being centred.
    PicturePoint toPicture(const QPoint& p) const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    TVantrel& owner_;
    QImage picture_;
};

// Modifier and button bits of an event in the order the navigation counts
// them (shift 1, alt 2, control 4, left 8, right 16, middle 32, double 64).
int ShiftBitsOf(Qt::KeyboardModifiers modifiers, Qt::MouseButtons buttons, bool doubleClick);

}  // namespace zarvo
