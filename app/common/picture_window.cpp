#include "picture_window.h"

#include <QCoreApplication>
#include <QHBoxLayout>
#include <QWheelEvent>
#include <QScrollArea>
#include <QScrollBar>
#include <algorithm>

namespace zarvo {

namespace {
constexpr int kLargestClientWidth = 800;
constexpr int kLargestClientHeight = 600;

// Scroll bars whose handle stands out darker than its groove, in every
// style: with the light handle on a grey groove of some styles, the groove
// beside the handle reads as the handle, and the picture seems to scroll
// the wrong way.
const char* const kScrollBarLook =
    "QScrollBar { background: #d4d4d4; border: none; }"
    "QScrollBar:horizontal { height: 14px; }"
    "QScrollBar:vertical { width: 14px; }"
    "QScrollBar::handle { background: #7c7c7c; border-radius: 4px; }"
    "QScrollBar::handle:hover, QScrollBar::handle:pressed { background: #555555; }"
    "QScrollBar::handle:horizontal { min-width: 32px; margin: 3px 0px; }"
    "QScrollBar::handle:vertical { min-height: 32px; margin: 0px 3px; }"
    "QScrollBar::add-line, QScrollBar::sub-line { width: 0px; height: 0px; border: none; background: none; }"
    "QScrollBar::add-page, QScrollBar::sub-page { background: none; }";

// The wheel scrolls a picture that is only too wide sideways.
class SidewaysWheel : public QObject {
public:
    SidewaysWheel(QScrollArea& scroll) : QObject(&scroll), scroll_(scroll) {}

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::Wheel) return false;
        QScrollBar* across = scroll_.horizontalScrollBar();
        if (scroll_.verticalScrollBar()->maximum() > 0 || across->maximum() == 0) return false;
        const auto* wheel = static_cast<QWheelEvent*>(event);
        if (wheel->angleDelta().x() != 0) return false;
        QCoreApplication::sendEvent(across, event);
        return true;
    }

private:
    QScrollArea& scroll_;
};

}  // namespace

QImage ToQImage(const RgbImage& image) {
    if (image.width <= 0 || image.height <= 0) return QImage();
    return QImage(image.pixels.data(), image.width, image.height, image.width * 3, QImage::Format_RGB888).copy();
}

RgbImage FromQImage(const QImage& image) {
    const QImage rgb = image.convertToFormat(QImage::Format_RGB888);
    RgbImage out(rgb.width(), rgb.height());
    for (int y = 0; y < rgb.height(); ++y)
        std::copy_n(rgb.constScanLine(y), static_cast<size_t>(rgb.width()) * 3, out.at(0, y));
    return out;
}

bool PictureWindow::wholePictureVisible() const {
    return scroll_->horizontalScrollBar()->maximum() == 0 && scroll_->verticalScrollBar()->maximum() == 0;
}

PictureWindow::PictureWindow(QWidget* parent) : QWidget(parent) {
    scroll_ = new QScrollArea(this);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(true);
    scroll_->setAlignment(Qt::AlignCenter);
    scroll_->setStyleSheet(QString::fromLatin1(kScrollBarLook));
    scroll_->viewport()->installEventFilter(new SidewaysWheel(*scroll_));
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

QRect PictureWindow::KeptInside(const QRect& window, const QRect& room) {
    QRect r(window.topLeft(), window.size().boundedTo(room.size()));
    r.moveLeft(qBound(room.left(), r.left(), room.right() + 1 - r.width()));
    r.moveTop(qBound(room.top(), r.top(), room.bottom() + 1 - r.height()));
    return r;
}

QSize PictureWindow::frameAround(const QWidget& window) const {
    // This widget is the client area: the scroll area fills it, and scroll
    // bars shown for the last picture belong to the client area too.
    return window.size() - size();
}

}  // namespace zarvo
