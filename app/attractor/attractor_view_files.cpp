// What the attractor view exchanges with files: the picture with its .vtl
// parameter file beside it (and inside a JPEG or PNG picture), loading a
// .vtl file, a new picture size, and pictures rendered to a file in the
// background.
#include <QDir>

#include "attractor_job.h"
#include "attractor_render_dialog.h"
#include "fractal_view.h"
#include "modal_dialog.h"
#include "render_progress.h"
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

namespace {

// The zarvo-render command that draws the same picture from the .vtl
// written beside it (which records the run).
QString RendererCommand(const QString& vtl, const AttractorJobRequest& r) {
    auto quoted = [](const std::string& path) {
        const QString p = QString::fromStdString(path);
        return p.contains(QLatin1Char(' ')) ? '"' + p + '"' : p;
    };
    QString command = QStringLiteral("zarvo-render --attractor %1 --steps %2 --seed %3 --streams %4 -s %5x%6")
                          .arg(quoted(vtl.toStdString()))
                          .arg(r.run.steps)
                          .arg(r.run.seed)
                          .arg(r.run.streams)
                          .arg(r.width)
                          .arg(r.height);
    if (r.file.format == PictureFormat::Jpeg) {
        command += QStringLiteral(" -q %1").arg(r.file.quality);
        if (!r.file.progressive) command += QStringLiteral(" --baseline");
    }
    return command + QStringLiteral(" -o ") + quoted(r.path);
}

}  // namespace

void TVantrel::RenderToFileClick() {
    const QString name = QString::fromStdString(FileNameStem(captionStore.toStdString()));
    const QString start = QDir::current().filePath((name.isEmpty() ? QStringLiteral("vantrel") : name) + ".png");
    // The steps drawn so far give the same density at the view's size.
    const int64_t steps = runLoop_.stepsDone > 0 ? runLoop_.stepsDone : 10000000;
    AttractorRenderDialog dialog(QSize(ps_.vtlWidth, ps_.vtlHeight), start, ps_.jpegQuality, ps_.logDensity != 0,
                                 ps_.ldOversample, steps, engine_.streams, ModalAnchor(this));
    if (ExecOnTop(dialog) != QDialog::Accepted) return;
    const AttractorRenderChoice choice = dialog.attractorChoice();

    // The job reads the .vtl text into a parameter set and engine of its
    // own.
    AttractorJobRequest request;
    request.parameters = VtlFileText(ps_, LocaleDecimalSeparator());
    if (ps_.logDensity != 0) request.oversample = choice.file.supersample;
    request.width = choice.file.width;
    request.height = choice.file.height;
    request.run = VtlRun{choice.steps, choice.seed, choice.streams};
    request.threads = EveryCoreThreads();
    request.file.format = choice.file.format == RenderFileDialog::Jpeg  ? PictureFormat::Jpeg
                          : choice.file.format == RenderFileDialog::Bmp ? PictureFormat::Bmp
                                                                        : PictureFormat::Png;
    request.file.quality = choice.file.quality;
    request.file.progressive = ps_.jpegProgressive != 0;
    request.path = choice.file.path.toStdString();
    const QString vtl = QString::fromStdString(VtlFilePathFor(request.path));
    auto* progress = new RenderProgress(std::make_unique<AttractorJob>(request), choice.file.path,
                                        QStringLiteral("steps"), this);
    progress->writtenNote = QStringLiteral("The same picture: %1")
                                .arg(RendererCommand(vtl, request));
    progress->ended = [this](const QString& text) { emit statusText(QString(text).replace('\n', QLatin1String("  "))); };
    progress->show();
}

}  // namespace zarvo
