#include "attractor_file_dialogs.h"

#include "modal_dialog.h"
#include "picture_save_dialog.h"

namespace zarvo {

QString AttractorFileDialogs::savePicture(QWidget* parent) {
    return AskPictureSavePath(parent, QStringLiteral("Save to File"), QStringLiteral("zarvo_"));
}

QString AttractorFileDialogs::openParameterFile(QWidget* parent) {
    return AskOpenFile(parent, QStringLiteral("Load from parameter file"),
                       QStringLiteral("Vantrl parameter files (*.vtl);;") + PicturesWithParameters());
}

}  // namespace zarvo
