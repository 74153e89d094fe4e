// The questions both picture windows ask about picture files: where to
// save their picture, and which pictures carry parameters.
#pragma once

#include <QString>

class QWidget;

namespace zarvo {

// A save dialog titled `title` for JPEG, bitmap or PNG pictures, proposing
// `startName`. A name typed without an extension gets the one of the chosen
// filter ("jpg" at first). Returns the chosen path, or empty on Cancel.
QString AskPictureSavePath(QWidget* parent, const QString& title, const QString& startName);

// The open dialogs' filter for pictures that carry their parameter file,
// offered after the parameter files' own filter.
QString PicturesWithParameters();

}  // namespace zarvo
