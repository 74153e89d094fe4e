// The main frame's commands: windows, files, drawing and help. Everything
// that acts on a picture goes to the active fractal window.
#include <QAction>
#include <QCloseEvent>
#include <QDesktopServices>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QStatusBar>
#include <QToolBar>
#include <QUrl>

#include "main_form.h"
#include "mdi_child.h"
#include "remembered.h"

namespace zarvo {

TMDIChild* TMainForm::activeChild() const {
    // The current window stays current while a tool dialog has the focus.
    QMdiSubWindow* w = mdi_->currentSubWindow();
    if (!w) w = mdi_->activeSubWindow();
    return w ? dynamic_cast<TMDIChild*>(w->widget()) : nullptr;
}

QList<TMDIChild*> TMainForm::children() const {
    QList<TMDIChild*> list;
    for (QMdiSubWindow* w : mdi_->subWindowList())
        if (auto* c = dynamic_cast<TMDIChild*>(w->widget())) list.append(c);
    return list;
}

TMDIChild* TMainForm::createChild(const QString& mode, const QString& caption, const QString& path) {
    applicationTitle = mode;
    auto* child = new TMDIChild(*this, caption);
    QMdiSubWindow* sub = mdi_->addSubWindow(child);
    sub->setAttribute(Qt::WA_DeleteOnClose);
    child->show();
    child->sizeClientArea(parameters().pictureWidth, parameters().pictureHeight);
    // Queued: while `destroyed` is emitted the window is half torn down and
    // still in the area's list, so the menus are updated once it is gone.
    connect(
        sub, &QObject::destroyed, this,
        [this] {
            if (!closing_) UpdateMenuItems();
        },
        Qt::QueuedConnection);
    child->startFirstDraw(mode, path);
    return child;
}

TMDIChild* TMainForm::FileNewItemClick() {
    return createChild(QStringLiteral("NEW"), QStringLiteral("Untitled") + QString::number(children().size() + 1));
}

TMDIChild* TMainForm::FileOpenItemClick() {
    const QString path = fileDialogs_->openPicture(this);
    if (path.isEmpty()) return nullptr;
    return createChild(QStringLiteral("OPEN"), path, path);
}

void TMainForm::FileSaveItemClick() {
    if (TMDIChild* c = activeChild()) c->SaveToFile();
}

void TMainForm::FileCloseItemClick() {
    if (QMdiSubWindow* w = mdi_->currentSubWindow()) w->close();
}

void TMainForm::LoadParameterFileClick() {
    TMDIChild* c = activeChild();
    if (!c) return;
    parameters().stopFlag = flagOn;
    const QString path = fileDialogs_->openParameterFile(this);
    if (path.isEmpty() || c != activeChild()) return;
    loadParameterFileInto(c, path);
}

void TMainForm::loadParameterFileInto(TMDIChild* child, const QString& path) {
    applicationTitle = QStringLiteral("PARAM");
    child->setWindowTitle(path);
    child->startFirstDraw(applicationTitle, path);
}

void TMainForm::LoadRecentParameterFile(const QString& path) {
    TMDIChild* c = activeChild();
    if (!c) {
        createChild(QStringLiteral("PARAM"), path, path);
        return;
    }
    parameters().stopFlag = flagOn;
    loadParameterFileInto(c, path);
}

void TMainForm::ResetClick() {
    if (TMDIChild* c = activeChild()) c->Reset1Click();
}

void TMainForm::ApplyClick() {
    if (TMDIChild* c = activeChild()) c->Apply1Click();
}

void TMainForm::JuliaClick() {
    if (TMDIChild* c = activeChild()) c->JuliaMode1Click();
    else setJuliaChecked(false);
}

void TMainForm::ZoomClick() {
    if (TMDIChild* c = activeChild()) c->Zoom1Click();
}

void TMainForm::AbortClick() { parameters().stopFlag = flagOn; }

void TMainForm::HelpContentsClick() {
    const QString page = fileDialogs_->openHelpPage(this, HelpFolder());
    if (page.isEmpty()) return;
    if (!QDesktopServices::openUrl(QUrl::fromLocalFile(page))) reportNoBrowser(page);
}

void TMainForm::reportNoBrowser(const QString& target) {
    reporter_.message(("No web browser could be started for " + target).toStdString());
}

void TMainForm::WindowCascadeClick() {
    // The toolkit's cascade gives every window its size hint, which for a
    // picture window is a sliver; here each window keeps its own size.
    const QRect room = mdi_->viewport()->rect();
    QPoint corner(0, 0);
    QMdiSubWindow* top = nullptr;
    // The active window comes last, in front.
    QList<QMdiSubWindow*> windows = mdi_->subWindowList();
    if (QMdiSubWindow* active = mdi_->activeSubWindow(); windows.removeOne(active)) windows.append(active);
    for (QMdiSubWindow* w : windows) {
        if (w->isMinimized() || w->isHidden()) continue;
        if (w->isMaximized()) w->showNormal();
        // One title bar further down and right each time; a window that
        // would reach past the frame starts a new cascade at the top left.
        const int step = w->widget() ? w->widget()->geometry().top() : 24;
        QRect placed(corner, w->size().boundedTo(room.size()));
        if (!room.contains(placed)) placed.moveTopLeft(corner = QPoint(0, 0));
        w->setGeometry(placed);
        w->raise();
        top = w;
        corner += QPoint(step, step);
    }
    if (top) mdi_->setActiveSubWindow(top);
}

void TMainForm::WindowMinimizeAllClick() {
    const QList<QMdiSubWindow*> windows = mdi_->subWindowList();
    for (int i = windows.size() - 1; i >= 0; --i) windows[i]->showMinimized();
}

void TMainForm::WindowArrangeIconsClick() {
    // Minimised windows in a row along the bottom of the frame.
    int x = 0;
    const int bottom = mdi_->viewport()->height();
    for (QMdiSubWindow* w : mdi_->subWindowList()) {
        if (!w->isMinimized()) continue;
        w->move(x, bottom - w->height());
        x += w->width();
    }
}

void TMainForm::ToolbarVisibleClick() {
    toolBar_->setVisible(!toolBar_->isVisible());
    action("menu:Toolbar Visible")->setChecked(toolBar_->isVisible());
    if (TMDIChild* c = activeChild()) c->UpdateMenuItems();
}

void TMainForm::UpdateMenuItems() {
    const bool any = !children().isEmpty();
    for (const char* name :
         {"menu:&Close", "menu:&Save", "menu:&Cascade", "menu:&Tile", "menu:&Arrange Icons", "menu:&Minimize All",
          "tool:Save", "tool:Reset Coordinates", "tool:Parameters", "tool:XY Size", "tool:Show Formulas",
          "tool:Color parameters", "tool:Zoom into Rectangle", "tool:Julia Mode"})
        action(QString::fromLatin1(name))->setEnabled(any);
    updateStopDrawing();
    updateHistoryButtons();
}

void TMainForm::updateStopDrawing() {
    if (closing_) return;
    bool drawing = dialogs_.vantrel && dialogs_.vantrel->running();
    for (TMDIChild* c : children()) drawing = drawing || c->view().scanRunning != 0;
    action("tool:Stop Drawing")->setEnabled(drawing);
}
void TMainForm::setZoomEnabled(bool on) { action("tool:Zoom into Rectangle")->setEnabled(on); }
void TMainForm::setJuliaChecked(bool on) { action("tool:Julia Mode")->setChecked(on); }
void TMainForm::showStatus(const QString& text) { statusBar()->showMessage(text); }

void TMainForm::scanEnded() {
    if (!closePending_) return;
    for (TMDIChild* c : children())
        if (c->scanning()) return;
    closePending_ = false;
    QTimer::singleShot(0, this, [this] { close(); });
}

void TMainForm::closeEvent(QCloseEvent* event) {
    bool busy = false;
    for (TMDIChild* c : children()) busy = busy || c->scanning();
    if (busy) {
        // Stop the drawing first; the frame closes once the scan has ended.
        parameters().stopFlag = flagOn;
        closePending_ = true;
        event->ignore();
        return;
    }
    if (!children().isEmpty()) parameters().stopFlag = flagOn;
    RememberFrame(*this);
    closing_ = true;
    mdi_->closeAllSubWindows();
    for (QWidget* w : allDialogs()) w->hide();
    event->accept();
}

}  // namespace zarvo
