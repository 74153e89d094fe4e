#include "mdi_child.h"

#include <algorithm>

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QCoreApplication>
#include <QMdiSubWindow>
#include <QScrollArea>
#include <QScrollBar>

#include "file_names.h"
#include "fp_guard.h"
#include "main_form.h"
#include "picture_area.h"
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
    void scanStarted() override { child_.main_.setAbortEnabled(true); }
    void afterPixel() override {
        if (clock_.elapsed() < kEventIntervalMs) return;
        clock_.restart();
        HandlePendingEvents();
    }
    void processEvents() override {
        clock_.restart();
        HandlePendingEvents();
    }
    void showPicture() override { child_.showWorkBitmap(); }
    void scanFinished(const std::string& fault) override { child_.scanEnded(fault); }

private:
    TMDIChild& child_;
    QElapsedTimer clock_;
};

// Recolouring handles no events and shows the picture once at the end.
class RecolourHooks : public ScanHooks {};

TMDIChild::TMDIChild(TMainForm& main, const QString& caption)
    : main_(main), ps_(main.parameters()), view_(main.parameters(), main.reporter()) {
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(caption);
    windowCaption = caption;
    FormCreate(ps_);
    nav_.rectangleMode = flagOn;

    scroll_ = new QScrollArea(this);
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(true);
    scroll_->setAlignment(Qt::AlignCenter);
    area_ = new PictureArea(*this);
    scroll_->setWidget(area_);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll_);
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

void TMDIChild::startFirstDraw(const QString& mode) {
    startMode_ = mode;
    Timer1.start();
}

QString TMDIChild::fileNamePart(const QString& caption) const {
    return QString::fromStdString(FileNamePart(caption.toStdString()));
}

void TMDIChild::sizeClientArea(int width, int height) {
    const bool capped = height >= 601 || width >= 801;
    const int w = capped ? std::min(width, 800) : width;
    const int h = capped ? std::min(height, 600) : height;
    if (QMdiSubWindow* sub = subWindow()) {
        // Frame around the client area, and room for the scroll bars that a
        // capped picture needs.
        const QSize frame = sub->size() - scroll_->viewport()->size();
        int extraW = 0, extraH = 0;
        if (w < width) extraH = scroll_->horizontalScrollBar()->sizeHint().height();
        if (h < height) extraW = scroll_->verticalScrollBar()->sizeHint().width();
        sub->resize(w + frame.width() + extraW, h + frame.height() + extraH);
    } else {
        resize(w, h);
    }
}

void TMDIChild::setPictureSize(int width, int height) {
    ps_.pictureWidth = width;
    ps_.pictureHeight = height;
    sizeClientArea(width, height);
    view_.DrawDefaultImage();
    showWorkBitmap();
}

void TMDIChild::showWorkBitmap() {
    const RgbImage& img = ps_.workBitmap;
    if (img.width <= 0 || img.height <= 0) return;
    QImage picture(img.pixels.data(), img.width, img.height, img.width * 3, QImage::Format_RGB888);
    area_->setPicture(picture.copy());
    area_->repaint();
}

void TMDIChild::FormPaint() {
    const QString mode = startMode_;
    startMode_.clear();
    if (mode == QLatin1String("NEW")) startNew();
    else if (mode == QLatin1String("OPEN")) startOpen();
    else if (mode == QLatin1String("PARAM")) startParam();
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

void TMDIChild::startOpen() {
    const QString path = windowTitle();
    QImage picture;
    if (!picture.load(path)) {
        main_.reporter().message(("Cannot read the picture file " + path).toStdString());
        main_.applicationTitle = QString::fromLatin1(programTitle);
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
}

void TMDIChild::Timer2Timer() {
    if (view_.scanRunning != 0)
        setWindowTitle(QStringLiteral("Busy... ") + QString::number(ps_.pictureHeight - view_.currentRow));
}

ScanResult TMDIChild::UpdateFractal() {
    view_.vantrelPixel = main_.vantrelPixelFormula();
    ChildScanHooks hooks(*this);
    ++scanDepth_;
    ScanResult result = view_.UpdateFractal(hooks);
    --scanDepth_;
    main_.scanEnded();
    return result;
}

void TMDIChild::prepareForScan() {
    if (main_.dialogs().params && main_.dialogs().params->isVisible()) main_.dialogs().params->takeValues(ps_);
    if (ClampIterations(ps_))
        main_.reporter().message("Max Iterations is limited to " + std::to_string(maxIterationsLimit));
    ClearRectangle1Click();
    UpdateMenuItems();
    Timer2.start();
}

void TMDIChild::scanEnded(const std::string& fault) {
    main_.setAbortEnabled(false);
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
