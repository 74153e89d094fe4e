#include "attractor_file_dialogs.h"

#include <QFileDialog>
#include <cfenv>

namespace zarvo {

namespace {

// A file dialog runs its own event loop; keep the sticky floating-point
// flags of a scan in progress out of its reach.
class FpFlagsKept {
public:
    FpFlagsKept() { std::fegetexceptflag(&saved_, FE_ALL_EXCEPT); }
    ~FpFlagsKept() { std::fesetexceptflag(&saved_, FE_ALL_EXCEPT); }

private:
    std::fexcept_t saved_;
};

}  // namespace

QString AttractorFileDialogs::savePicture(QWidget* parent) {
    FpFlagsKept kept;
    QFileDialog dialog(parent, QStringLiteral("Save to File"));
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setFileMode(QFileDialog::AnyFile);
    dialog.setNameFilters({QStringLiteral("JPEG (*.jpg)"), QStringLiteral("Bitmaps (*.bmp)")});
    dialog.setDefaultSuffix(QStringLiteral("jpg"));
    dialog.selectFile(QStringLiteral("zarvo_"));
    // The bitmap filter proposes its own extension.
    QObject::connect(&dialog, &QFileDialog::filterSelected, &dialog, [&dialog](const QString& filter) {
        dialog.setDefaultSuffix(filter.contains(QStringLiteral("bmp")) ? QStringLiteral("bmp")
                                                                       : QStringLiteral("jpg"));
    });
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return QString();
    return dialog.selectedFiles().first();
}

QString AttractorFileDialogs::openParameterFile(QWidget* parent) {
    FpFlagsKept kept;
    return QFileDialog::getOpenFileName(parent, QStringLiteral("Load from parameter file"), QString(),
                                        QStringLiteral("Vantrl parameter files (*.vtl)"));
}

}  // namespace zarvo
