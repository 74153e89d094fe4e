#include "remembered.h"

#include <QDir>
#include <QFileInfo>
#include <QSettings>
#include <QWidget>

namespace zarvo {

namespace {
const char* const kRecentFiles = "recentParameterFiles";
}

QString RememberedFolder(const QString& dialog) {
    return QSettings().value(QStringLiteral("folders/") + dialog).toString();
}

void RememberFolder(const QString& dialog, const QString& chosenFile) {
    if (chosenFile.isEmpty()) return;
    QSettings().setValue(QStringLiteral("folders/") + dialog, QFileInfo(chosenFile).absolutePath());
}

QRect RememberedPlace(const QString& key) { return QSettings().value(QStringLiteral("places/") + key).toRect(); }

void RememberPlace(const QString& key, const QRect& place) {
    QSettings().setValue(QStringLiteral("places/") + key, place);
}

void RememberFrame(const QWidget& frame) { QSettings().setValue(QStringLiteral("places/frame"), frame.saveGeometry()); }

bool RestoreFrame(QWidget& frame) {
    const QByteArray state = QSettings().value(QStringLiteral("places/frame")).toByteArray();
    return !state.isEmpty() && frame.restoreGeometry(state);
}

QStringList RecentParameterFiles() { return QSettings().value(QLatin1String(kRecentFiles)).toStringList(); }

void AddRecentParameterFile(const QString& path) {
    const QString full = QDir::cleanPath(QFileInfo(path).absoluteFilePath());
    QStringList files = RecentParameterFiles();
    files.removeAll(full);
    files.prepend(full);
    while (files.size() > recentFilesKept) files.removeLast();
    QSettings().setValue(QLatin1String(kRecentFiles), files);
}

}  // namespace zarvo
