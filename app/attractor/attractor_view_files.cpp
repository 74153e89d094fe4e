// What the attractor view exchanges with files: the picture with its .vtl
// parameter file beside it (and inside a JPEG or PNG picture), loading a
// .vtl file, and a new picture size.
#include "file_names.h"
#include "number_format.h"
#include "picture_save.h"
#include "attractor_params_dialog.h"
#include "attractor_view.h"
#include "vtl_file.h"

namespace zarvo {

void TVantrel::SaveToFileClick() {
    const QString path = fileDialogs_->savePicture(this);
    if (path.isEmpty()) return;
    engine_.ComposePicture();  // the picture as it stands, also between two showings
    const std::string name = path.toStdString();
    std::string error;
    const PictureSaved saved =
        SavePicture(engine_.picture(), name, ps_, VtlFileText(ps_, LocaleDecimalSeparator()), reporter_, &error);
    if (saved == PictureSaved::Failed) reporter_.message(error);

    // The caption names the picture written; a run in progress shows it
    // again when it ends.
    if (saved == PictureSaved::Written) {
        captionStore = QString::fromStdString(FileNamePart(name));
        if (!runLoop_.active()) setWindowTitle(captionStore);
    }

    // The parameter file goes beside the picture, whatever the working
    // directory is, so that picture and parameters stay together. It is
    // written also when the picture was not, so no parameters are lost.
    error.clear();
    if (!WriteVtlFile(ps_, VtlFilePathFor(name), &error)) reporter_.message(error);
    showPicture();
}

void TVantrel::LoadParameterFileClick() {
    const QString path = fileDialogs_->openParameterFile(this);
    if (path.isEmpty()) return;
    // The run in hand would otherwise go on plotting into the cleared
    // picture until the loaded parameters take over 500 ms from now.
    runLoop_.halt();
    Timer2.stop();
    nav_.ClearRectangle();
    engine_.DrawDefaultImage();
    engine_.CreateTList();
    showPicture();

    const QString caption = QString::fromStdString(FileNamePart(path.toStdString()));
    captionStore = caption;
    setWindowTitle(caption);
    LoadParameterFile(ps_, path.toStdString(), reporter_);

    if (dialog_) dialog_->Parameters1Update();
    ps_.drawRandom = 0;
    Timer1.start();
}

void TVantrel::TP01Click() {
    const int width = ps_.xySizeWidth;
    const int height = ps_.xySizeHeight;
    // Stops the run and makes a black picture and new counters of the new
    // size; a size no picture can have changes nothing.
    if (!engine_.SetPictureSize(width, height)) {
        reporter_.message("The picture size " + std::to_string(width) + " x " + std::to_string(height) +
                          " cannot be used");
        return;
    }
    runLoop_.halt();
    if (busy_) runEnded(AttractorRunLoop::EndReason::Stopped);
    nav_.ClearRectangle();
    showPicture();
    sizeClientArea(width, height);
    Timer1.start();
}

}  // namespace zarvo
