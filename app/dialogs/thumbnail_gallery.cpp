#include "thumbnail_gallery.h"

#include <QGridLayout>
#include <QLabel>
#include <QPainter>
#include <QToolButton>
#include <QVBoxLayout>

namespace zarvo {

namespace {

// A picture seen through a veil: the last one computed, no longer the
// window's.
QImage Faded(const QImage& picture) {
    QImage out = picture.convertToFormat(QImage::Format_RGB32);
    QPainter p(&out);
    p.fillRect(out.rect(), QColor(128, 128, 128, 150));
    return out;
}

}  // namespace

ThumbnailGallery::ThumbnailGallery(const QString& caption, const QSize& pictureSize, int columns,
                                   const QList<Choice>& choices, QWidget* parent)
    : ToolDialog(caption, parent), pictureSize_(pictureSize) {
    note_ = new QLabel(this);
    note_->setWordWrap(true);
    note_->hide();
    auto* grid = new QGridLayout;
    grid->setSpacing(4);
    int n = 0;
    QImage empty(pictureSize, QImage::Format_RGB32);
    empty.fill(QColor(64, 64, 64));
    for (const Choice& c : choices) {
        auto* b = new QToolButton(this);
        b->setObjectName(QStringLiteral("Choice%1").arg(c.id));
        b->setToolButtonStyle(Qt::ToolButtonTextUnderIcon);
        b->setIconSize(pictureSize);
        b->setIcon(QPixmap::fromImage(empty));
        b->setText(c.caption);
        b->setToolTip(c.hint);
        b->setCheckable(true);
        b->setAutoRaise(true);
        b->setFixedWidth(pictureSize.width() + 12);
        const int id = c.id;
        connect(b, &QToolButton::clicked, this, [this, id] {
            setCurrent(id);
            emit picked(id);
        });
        buttons_[id] = b;
        grid->addWidget(b, n / columns, n % columns);
        ++n;
    }
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(note_);
    layout->addLayout(grid);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

void ThumbnailGallery::setPicture(int id, const QImage& picture) {
    QToolButton* b = buttons_.value(id);
    if (!b) return;
    if (!pictures_.contains(id) || pictures_[id].isNull()) ++fresh_;
    pictures_[id] = picture;
    b->setIcon(QPixmap::fromImage(picture.scaled(pictureSize_)));
}

void ThumbnailGallery::fadePictures() {
    for (auto it = pictures_.begin(); it != pictures_.end(); ++it) {
        if (it->isNull()) continue;
        buttons_[it.key()]->setIcon(QPixmap::fromImage(Faded(*it).scaled(pictureSize_)));
        *it = QImage();
    }
    fresh_ = 0;
}

void ThumbnailGallery::setCurrent(int id) {
    for (auto it = buttons_.begin(); it != buttons_.end(); ++it) it.value()->setChecked(it.key() == id);
}

void ThumbnailGallery::setNote(const QString& text) {
    note_->setText(text);
    note_->setVisible(!text.isEmpty());
}

QPoint ThumbnailGallery::homeSpot(const QRect& frame, const QSize& size) const {
    return alongRightEdge(frame, size, 80);
}

}  // namespace zarvo
