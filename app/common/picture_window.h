// The frame shared by the two picture windows (a fractal window and the
// attractor view): a scroll area around the picture area, so that the
// picture is centred in a larger window and reached by scrolling in a
// smaller one, and the size of client area a picture asks for.
#pragma once

#include <QImage>
#include <QSize>
#include <QWidget>

#include "picture_area.h"
#include "rgb_image.h"

class QScrollArea;

namespace zarvo {

// A copy of an off-screen picture for the screen; a null image when the
// picture has no pixels.
QImage ToQImage(const RgbImage& image);
// And back: the picture's pixels as red, green, blue bytes.
RgbImage FromQImage(const QImage& image);

class PictureWindow : public QWidget, public PictureOwner {
public:
    explicit PictureWindow(QWidget* parent = nullptr);

    PictureArea& pictureArea() { return *area_; }
    // What the window shows.
    const QImage& shownPicture() const { return area_->picture(); }
    // The whole picture fits the window: nothing to scroll.
    bool wholePictureVisible() const;

protected:
    // The client area for a picture of width x height: the picture, at most
    // 800 x 600 (the rest is reached by scrolling), plus room for the scroll
    // bars that a larger picture needs.
    QSize clientSizeFor(int width, int height) const;
    // What `window` (this widget or a frame around it) adds to the client area.
    QSize frameAround(const QWidget& window) const;
    // `window` moved (and, when it is larger, shrunk) so that it lies wholly
    // inside `room`.
    static QRect KeptInside(const QRect& window, const QRect& room);

    QScrollArea* scroll_;
    PictureArea* area_;
};

}  // namespace zarvo
