// The question both picture windows ask before saving their picture.
#pragma once

#include <QString>

class QWidget;

namespace zarvo {

// A save dialog titled `title` for JPEG or bitmap pictures, proposing
// `startName`. A name typed without an extension gets the one of the chosen
// filter ("jpg" at first). Returns the chosen path, or empty on Cancel.
QString AskPictureSavePath(QWidget* parent, const QString& title, const QString& startName);

}  // namespace zarvo
