#include "mdi_child.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QMdiArea>
#include <QMdiSubWindow>

#include "file_names.h"
#include "fp_guard.h"
#include "main_form.h"
#include "picture_parameters.h"
#include "picture_reader.h"
#include "rgb_image.h"
#include "vector_state.h"

namespace zarvo {

namespace {

// Events are handled after a pixel only when this much time has passed, so
// that the program answers within a fraction of a second without the event
// loop costing the scan much.
constexpr qint64 kEventIntervalMs = 15;

void HandlePendingEvents() {
    {
        FpStateGuard guard;
        QCoreApplication::processEvents(QEventLoop::AllEvents);
    }
    ClearUpperVectorState();
}

}  // namespace

// The window's side of a running scan.
class ChildScanHooks : public ScanHooks {
public:
    explicit ChildScanHooks(TMDIChild& child) : child_(child) { clock_.start(); }
    void prepareScan() override { child_.prepareForScan(); }
    void scanStarted() override { child_.main_.updateStopDrawing(); }
    void afterPixel() override {
        if (clock_.elapsed() < kEventIntervalMs) return;
        clock_.restart();
        HandlePendingEvents();
    }
    void processEvents() override {
        clock_.restart();
        HandlePendingEvents();
    }
    void waitingForWorkers() override { processEvents(); }
    void showPicture() override { child_.showWorkBitmap(); }
    void scanFinished(const std::string& fault) override { child_.scanEnded(fault); }

private:
    TMDIChild& child_;
    QElapsedTimer clock_;
};

TMDIChild::TMDIChild(TMainForm& main, const QString& caption)
    : main_(main), ps_(main.parameters()), view_(main.parameters(), main.reporter()) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(caption);
    windowCaption = caption;
    FormCreate(ps_);
    nav_.rectangleMode = flagOn;

    QImage black(ps_.pictureWidth, ps_.pictureHeight, QImage::Format_RGB888);
    black.fill(Qt::black);
    area_->setPicture(black);

    menus_.build(*this, main_);

    Timer1.setSingleShot(true);
    Timer1.setInterval(10);
    connect(&Timer1, &QTimer::timeout, this, [this] { FormPaint(); });
    Timer2.setInterval(1000);
    connect(&Timer2, &QTimer::timeout, this, [this] { Timer2Timer(); });
}

TMDIChild::~TMDIChild() = default;

QMdiSubWindow* TMDIChild::subWindow() const { return qobject_cast<QMdiSubWindow*>(parentWidget()); }

void TMDIChild::startFirstDraw(const QString& mode, const QString& path) {
    startMode_ = mode;
    startPath_ = path;
    Timer1.start();
}

QString TMDIChild::fileNamePart(const QString& caption) const {
    return QString::fromStdString(FileNamePart(caption.toStdString()));
}

void TMDIChild::sizeClientArea(int width, int height) {
    const QSize client = clientSizeFor(width, height);
    QMdiSubWindow* sub = subWindow();
    if (!sub) {
        resize(client);
        return;
    }
    const QRect wanted(sub->pos(), client + frameAround(*sub));
    const QMdiArea* area = sub->mdiArea();
    if (!area || sub->isMinimized() || sub->isMaximized()) {
        sub->resize(wanted.size());
        return;
    }
    // The whole window inside the frame's visible area: moved in, and a
    // picture larger than the area is reached by scrolling.
    sub->setGeometry(KeptInside(wanted, area->viewport()->rect()));
}

void TMDIChild::setPictureSize(int width, int height) {
    ps_.pictureWidth = width;
    ps_.pictureHeight = height;
    sizeClientArea(width, height);
    view_.DrawDefaultImage();
    showWorkBitmap();
}

void TMDIChild::showWorkBitmap() {
    const QImage picture = ToQImage(ps_.workBitmap);
    if (picture.isNull()) return;
    area_->setPicture(picture);
    area_->repaint();
}

void TMDIChild::FormPaint() {
    if (scanning()) {
        // The scan was told to stop; start once it has left this window.
        Timer1.start();
        return;
    }
    const QString mode = startMode_;
    const QString path = startPath_;
    startMode_.clear();
    startPath_.clear();
    if (mode == QLatin1String("NEW")) startNew();
    else if (mode == QLatin1String("OPEN")) startOpen(path);
    else if (mode == QLatin1String("PARAM")) startParam(path);
}

void TMDIChild::startNew() {
    setWindowTitle(QStringLiteral("zarvo_"));
    setPictureSize(defaultWidth, defaultHeight);
    ResetCoordinates(ps_);
    view_.InitializeMainDLL();
    main_.applicationTitle = QString::fromLatin1(programTitle);
    main_.setWindowTitle(main_.applicationTitle);
    main_.VantrelViewClick();
    windowCaption = windowTitle();
    UpdateMenuItems();
}

void TMDIChild::startOpen(const QString& path) {
    // The size is read from the header first, so that a picture too large
    // for the program is refused before it is decoded.
    const auto tooLarge = [&path](QSize size) {
        return "The picture " + path.toStdString() + " is " + std::to_string(size.width()) + " x " +
               std::to_string(size.height()) + " pixels; a picture may have at most " +
               std::to_string(largestPictureSide) + " pixels a side";
    };
    QImageReader reader(path);
    const QSize header = reader.size();
    PictureRead jpeg;
    QImage picture;
    std::string refused;
    if (header.isValid() && !IsPictureSize(header.width(), header.height())) {
        refused = tooLarge(header);
    } else {
        // JPEG files are decoded here, so that a picture that decodes only in
        // part is told from a whole one; other files go to the toolkit.
        RgbImage decoded;
        jpeg = ReadJpeg(QFile::encodeName(path).toStdString(), decoded);
        if (jpeg.read) {
            picture = ToQImage(decoded);
        } else if (!reader.read(&picture)) {
            refused = "Cannot read the picture file " + path.toStdString();
        }
        if (refused.empty() && !IsPictureSize(picture.width(), picture.height())) refused = tooLarge(picture.size());
    }
    if (!refused.empty()) {
        main_.reporter().message(refused);
        main_.applicationTitle = QString::fromLatin1(programTitle);
        // The window was made for this picture; it has nothing to show.
        if (QMdiSubWindow* sub = subWindow()) sub->deleteLater();
        return;
    }
    picture = picture.convertToFormat(QImage::Format_RGB888);
    setWindowTitle(fileNamePart(path));
    windowCaption = windowTitle();
    main_.applicationTitle = windowTitle();
    ps_.pictureWidth = picture.width();
    ps_.pictureHeight = picture.height();
    area_->setPicture(picture);
    sizeClientArea(picture.width(), picture.height());
    showsOpenedPicture_ = true;
    if (jpeg.damaged || (!jpeg.isJpeg && BitmapCutShort(QFile::encodeName(path).toStdString()))) {
        area_->repaint();
        main_.reporter().message(
            ("The picture file " + path + " is damaged: only part of it could be read").toStdString());
    }
    if (ReadCarriedParameters(QFile::encodeName(path).toStdString()).found)
        main_.showStatus(
            QStringLiteral("This picture carries its parameters: Load From Parameter File draws it again"));
}

void TMDIChild::Timer2Timer() {
    if (view_.scanRunning != 0)
        setWindowTitle(QStringLiteral("Busy... ") + QString::number(ps_.pictureHeight - view_.currentRow));
}

bool TMDIChild::mayReplacePicture() {
    if (!showsOpenedPicture_) return true;
    if (!main_.reporter().ask("Replace the opened picture with a new drawing?")) return false;
    showsOpenedPicture_ = false;
    return true;
}

ScanResult TMDIChild::UpdateFractal() {
    if (!mayReplacePicture()) return ScanResult();
    view_.vantrelPixel = main_.vantrelPixelFormula();
    ChildScanHooks hooks(*this);
    ++scanDepth_;
    ScanResult result = view_.UpdateFractal(hooks, EveryCoreThreads());
    --scanDepth_;
    if (result.completed) historyPictureFinished();
    main_.updateStopDrawing();
    main_.scanEnded();
    return result;
}

void TMDIChild::prepareForScan() {
    if (main_.dialogs().params && main_.dialogs().params->isVisible()) main_.dialogs().params->takeValues(ps_);
    // The formula's texts (saved with the picture) come from the plug-in
    // that draws it, whichever way the formula was changed.
    if (ps_.vantrelFormulaMode == 0) view_.GetDLLDescriptions();
    if (ClampIterations(ps_))
        main_.reporter().message("Max Iterations is limited to " + std::to_string(maxIterationsLimit));
    historyScanStarting();
    ClearRectangle1Click();
    UpdateMenuItems();
    Timer2.start();
}

void TMDIChild::scanEnded(const std::string& fault) {
    main_.updateStopDrawing();
    setWindowTitle(fileNamePart(windowCaption));
    Timer2.stop();
    showWorkBitmap();
    if (!fault.empty()) main_.reporter().message(fault);
}

void TMDIChild::Abort() { ps_.stopFlag = flagOn; }

void TMDIChild::closeEvent(QCloseEvent* event) {
    if (ps_.stopFlag == 0 || scanning()) {
        // A scan is on its way: stop it and keep the window (minimised) until
        // the scan has left it.
        ps_.stopFlag = flagOn;
        event->ignore();
        if (QMdiSubWindow* sub = subWindow()) sub->showMinimized();
        return;
    }
    if (ps_.pluginHandle != nullptr || view_.plugin.loaded()) view_.ReleasePlugin();
    ps_.stopFlag = flagOn;
    event->accept();
}

}  // namespace zarvo
