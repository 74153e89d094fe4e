// What the program remembers from one run to the next (the toolkit's
// settings of the application): the folder each file dialog was last left
// in, where the frame and the tool dialogs were, and the parameter files
// used last.
#pragma once

#include <QRect>
#include <QString>
#include <QStringList>

class QWidget;

namespace zarvo {

// The folder of the file last chosen in the dialog titled `dialog`; empty
// the first time.
QString RememberedFolder(const QString& dialog);
void RememberFolder(const QString& dialog, const QString& chosenFile);

// A window's place and size under `key`; a null rectangle when unknown.
QRect RememberedPlace(const QString& key);
void RememberPlace(const QString& key, const QRect& place);

// The main frame's place, size and state (maximised or not).
void RememberFrame(const QWidget& frame);
// False when nothing was remembered (the frame keeps its own choice).
bool RestoreFrame(QWidget& frame);

// The parameter files loaded or written last, the latest first.
constexpr int recentFilesKept = 8;
QStringList RecentParameterFiles();
void AddRecentParameterFile(const QString& path);

}  // namespace zarvo
