#include "picture_window.h"

#include <QHBoxLayout>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>

namespace zarvo {

namespace {
constexpr int kLargestClientWidth = 800;
constexpr int kLargestClientHeight = 600;
}  // namespace

QImage ToQImage(const RgbImage& image) {
    if (image.width <= 0 || image.height <= 0) return QImage();
    return QImage(image.pixels.data(), image.width, image.height, image.width * 3, QImage::Format_RGB888).copy();
}

PictureWindow::PictureWindow(QWidget* parent) : QWidget(parent) {
    scroll_ = new QScrollArea(this);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(true);
    scroll_->setAlignment(Qt::AlignCenter);
    area_ = new PictureArea(*this);
    scroll_->setWidget(area_);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll_);
}

QSize PictureWindow::clientSizeFor(int width, int height) const {
    const bool capped = height > kLargestClientHeight || width > kLargestClientWidth;
    const int w = capped ? std::min(width, kLargestClientWidth) : width;
    const int h = capped ? std::min(height, kLargestClientHeight) : height;
    int extraW = 0, extraH = 0;
    if (w < width) extraH = scroll_->horizontalScrollBar()->sizeHint().height();
    if (h < height) extraW = scroll_->verticalScrollBar()->sizeHint().width();
    return QSize(std::max(w, 1) + extraW, std::max(h, 1) + extraH);
}

QSize PictureWindow::frameAround(const QWidget& window) const { return window.size() - scroll_->viewport()->size(); }

}  // namespace zarvo
