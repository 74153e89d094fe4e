#include "modal_dialog.h"

#include <QApplication>
#include <QDialog>
#include <QFileDialog>
#include <QHeaderView>
#include <QScreen>
#include <QTimer>
#include <QTreeView>

#include "fp_guard.h"
#include "remembered.h"

namespace zarvo {

namespace {

bool IsToolWindow(const QWidget* w) { return (w->windowFlags() & Qt::WindowType_Mask) == Qt::Tool; }

}  // namespace

QWidget* ModalAnchor(QWidget* from) {
    QWidget* w = from ? from->window() : QApplication::activeWindow();
    while (w && IsToolWindow(w) && w->parentWidget()) w = w->parentWidget()->window();
    return w;
}

int ExecOnTop(QDialog& dialog) {
    // A dialog runs its own event loop: keep the floating-point state of a
    // scan that may be in progress out of its reach.
    FpStateGuard guard;
    // In the same stacking layer as the tool windows, and newer than them.
    dialog.setWindowFlag(Qt::WindowStaysOnTopHint, true);
    dialog.setWindowModality(Qt::ApplicationModal);
    // The toolkit centres a dialog on its parent's window when it first
    // shows it, keeping it on the screen.
    if (dialog.parentWidget() == nullptr) dialog.setParent(ModalAnchor(nullptr), dialog.windowFlags());
    QTimer::singleShot(0, &dialog, [&dialog] {
        dialog.raise();
        dialog.activateWindow();
    });
    return dialog.exec();
}

void PrepareFileDialog(QFileDialog& dialog) {
    dialog.setOption(QFileDialog::DontUseNativeDialog, true);
    QSize size(900, 520);
    if (const QScreen* s = dialog.screen()) size = size.boundedTo(s->availableGeometry().size() * 9 / 10);
    dialog.resize(size);
    // The name takes what the other columns leave; size, type and date are
    // as wide as their texts.
    if (auto* details = dialog.findChild<QTreeView*>(QStringLiteral("treeView"))) {
        QHeaderView* header = details->header();
        header->setStretchLastSection(false);
        header->setSectionResizeMode(0, QHeaderView::Stretch);
        for (int column = 1; column < header->count(); ++column)
            header->setSectionResizeMode(column, QHeaderView::ResizeToContents);
    }
}

QString AskOpenFile(QWidget* from, const QString& title, const QString& filter) {
    QFileDialog dialog(ModalAnchor(from), title, RememberedFolder(title), filter);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setFileMode(QFileDialog::ExistingFile);
    PrepareFileDialog(dialog);
    if (ExecOnTop(dialog) != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    RememberFolder(title, dialog.selectedFiles().first());
    return dialog.selectedFiles().first();
}

}  // namespace zarvo
