#include "file_dialogs.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>

#include "modal_dialog.h"
#include "picture_save_dialog.h"

namespace zarvo {

QString FileDialogs::openParameterFile(QWidget* parent) {
    return AskOpenFile(parent, QStringLiteral("Load From Parameter File"),
                       QStringLiteral("z a r v o _ Parameter Files (*.zrv);;") + PicturesWithParameters());
}

QString FileDialogs::openPicture(QWidget* parent) {
    return AskOpenFile(parent, QStringLiteral("Open"), QStringLiteral("JPEG (*.jpg);;Bitmaps (*.bmp);;PNG (*.png)"));
}

QString FileDialogs::savePicture(QWidget* parent, const QString& startName) {
    return AskPictureSavePath(parent, QStringLiteral("Save"), startName);
}

QString FileDialogs::openHelpPage(QWidget* parent, const QString& helpFolder) {
    QFileDialog dialog(ModalAnchor(parent), QStringLiteral("Help"));
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setNameFilter(QStringLiteral("Help Files (*.html)"));
    dialog.setDirectory(helpFolder);
    dialog.selectFile(QStringLiteral("index.html"));
    PrepareFileDialog(dialog);
    if (ExecOnTop(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().first();
}

QString HelpFolder() {
    QDir dir(QCoreApplication::applicationDirPath());
    for (int up = 0; up < 4; ++up) {
        if (QFileInfo::exists(dir.filePath(QStringLiteral("help/index.html"))))
            return dir.filePath(QStringLiteral("help"));
        if (!dir.cdUp()) break;
    }
    return QDir::current().filePath(QStringLiteral("help"));
}

}  // namespace zarvo
