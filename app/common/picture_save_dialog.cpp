#include "picture_save_dialog.h"

#include <QFileDialog>

#include "modal_dialog.h"
#include "remembered.h"

namespace zarvo {

QString AskPictureSavePath(QWidget* parent, const QString& title, const QString& startName) {
    QFileDialog dialog(ModalAnchor(parent), title);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters(
        {QStringLiteral("JPEG (*.jpg)"), QStringLiteral("Bitmaps (*.bmp)"), QStringLiteral("PNG (*.png)")});
    dialog.setDefaultSuffix(QStringLiteral("jpg"));
    const QString folder = RememberedFolder(title);
    if (!folder.isEmpty()) dialog.setDirectory(folder);
    dialog.selectFile(startName);
    // Each filter proposes its own extension.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        dialog.setDefaultSuffix(filter.section(QStringLiteral("*."), 1).chopped(1));  // "PNG (*.png)": "png"
    });
    PrepareFileDialog(dialog);
    if (ExecOnTop(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    RememberFolder(title, dialog.selectedFiles().first());
    return dialog.selectedFiles().first();
}

QString PicturesWithParameters() { return QStringLiteral("Pictures with parameters (*.png *.jpg *.jpeg)"); }

}  // namespace zarvo
