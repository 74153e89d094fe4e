#include "attractor_file_dialogs.h"

#include <QFileDialog>

#include "fp_guard.h"
#include "picture_save_dialog.h"

namespace zarvo {

QString AttractorFileDialogs::savePicture(QWidget* parent) {
    return AskPictureSavePath(parent, QStringLiteral("Save to File"), QStringLiteral("zarvo_"));
}

QString AttractorFileDialogs::openParameterFile(QWidget* parent) {
    FpStateGuard guard;
    return QFileDialog::getOpenFileName(parent, QStringLiteral("Load from parameter file"), QString(),
                                        QStringLiteral("Vantrl parameter files (*.vtl)"));
}

}  // namespace zarvo
