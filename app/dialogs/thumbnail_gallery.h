// A tool window of small pictures, one per choice (a render method, a blend
// with a channel order), each with its caption. The pictures arrive one by
// one as they are computed; a click on one asks for that choice.
#pragma once

#include <QImage>
#include <QMap>

#include "tool_dialog.h"

class QGridLayout;
class QLabel;
class QToolButton;

namespace zarvo {

class ThumbnailGallery : public ToolDialog {
    Q_OBJECT
public:
    struct Choice {
        int id;
        QString caption;  // shown under the picture
        QString hint;     // the whole caption, as a tool tip
    };
    ThumbnailGallery(const QString& caption, const QSize& pictureSize, int columns, const QList<Choice>& choices,
                     QWidget* parent = nullptr);

    // The picture of choice `id`, as soon as it is there.
    void setPicture(int id, const QImage& picture);
    // Every picture is out of date: they are shown faded until new ones come.
    void fadePictures();
    // The choice the window holds now is marked.
    void setCurrent(int id);
    // A line above the pictures (why there are none, for instance).
    void setNote(const QString& text);

    int picturesShown() const { return fresh_; }
    QToolButton* button(int id) const { return buttons_.value(id); }

signals:
    void picked(int id);

protected:
    QPoint homeSpot(const QRect& frame, const QSize& size) const override;

private:
    QSize pictureSize_;
    QMap<int, QToolButton*> buttons_;
    QMap<int, QImage> pictures_;
    QLabel* note_;
    int fresh_ = 0;
};

}  // namespace zarvo
