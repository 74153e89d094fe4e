// The main frame: a multiple-document window holding the fractal windows,
// with its menus, tool bar and status bar. It owns the program's one shared
// parameter set and routes every command to the active fractal window.
#pragma once

#include <QList>
#include <QMainWindow>
#include <QString>
#include <QTimer>
#include <memory>

#include "dialog_set.h"
#include "file_dialogs.h"
#include "message_box_reporter.h"
#include "parameter_set.h"

class QAction;
class QMdiArea;
class QMenu;
class QMdiSubWindow;
class QToolBar;

namespace zarvo {

class Galleries;
class TMDIChild;

class TMainForm : public QMainWindow {
public:
    TMainForm();
    ~TMainForm() override;

    // Creates the single-instance forms in their start-up order.
    void CreateForms();

    ParameterSet& parameters() { return ps_; }
    MessageBoxReporter& reporter() { return reporter_; }
    DialogSet& dialogs() { return dialogs_; }
    QMdiArea* mdiArea() const { return mdi_; }
    QToolBar* toolBar() const { return toolBar_; }
    void setFileDialogs(std::unique_ptr<FileDialogs> dialogs) { fileDialogs_ = std::move(dialogs); }
    FileDialogs& fileDialogs() { return *fileDialogs_; }

    // The start mode ("NEW", "OPEN", "PARAM") or, outside a start, the
    // program's title text.
    QString applicationTitle;

    TMDIChild* activeChild() const;
    QList<TMDIChild*> children() const;

    // Commands of the menus and the tool bar.
    TMDIChild* FileNewItemClick();
    TMDIChild* FileOpenItemClick();
    void FileSaveItemClick();
    void FileCloseItemClick();
    void LoadParameterFileClick();
    void JpegOptionsClick();
    void ResetClick();
    void ApplyClick();
    void JuliaClick();
    void ParametersClick();
    void XYSizeClick();
    // "Show Formulas": shows or hides the formula list.
    void FormulaButtomClick();
    void VantrelViewClick();
    void VantrelParametersClick();
    void ColorsClick();
    // Tools: shows or hides the orbit inspector and the two galleries.
    void OrbitInspectorClick();
    void MethodGalleryClick();
    void BlendGalleryClick();
    Galleries& galleries() { return *galleries_; }
    // A window drew or recoloured its picture in full, or is about to
    // change it: the galleries follow the active window.
    void pictureFinished(TMDIChild* child);
    void pictureChanging(TMDIChild* child);
    void ZoomClick();
    void AbortClick();
    void HelpAboutItemClick();
    void HelpContentsClick();
    // Windows overlapped from the top left, each keeping its own size.
    void WindowCascadeClick();
    void WindowMinimizeAllClick();
    void WindowArrangeIconsClick();
    void ToolbarVisibleClick();
    // Tools > Recent Parameter Files: the file is loaded into the active
    // window, or into a new one when there is none.
    void LoadRecentParameterFile(const QString& path);
    // The recent files' submenu at the end of a Tools menu.
    void addRecentFilesMenu(QMenu* tools);

    // Enabled states of the items that need a fractal window.
    void UpdateMenuItems();
    // Stop Drawing is enabled exactly while a fractal window scans or the
    // attractor view runs.
    void updateStopDrawing();
    // Set by the active window's menu state.
    void setZoomEnabled(bool on);
    void setJuliaChecked(bool on);
    // Back and Forward follow the active window's history.
    void updateHistoryButtons();
    void showStatus(const QString& text);

    // The attractor view's per-pixel formula (none while it is not built).
    PixelFormula* vantrelPixelFormula();
    // A window's scan ended; a close that waited for it may go on.
    void scanEnded();

    QAction* action(const QString& name) const;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QList<QWidget*> allDialogs() const;
    void createActions();
    void createMenus();
    void createToolBar();
    void subWindowActivated(QMdiSubWindow* window);
    void showMenusOf(TMDIChild* child);
    void fillWindowList();
    void closeVantrelView();
    // Help and the About box's link: the page could not be shown.
    void reportNoBrowser(const QString& target);
    void loadParameterFileInto(TMDIChild* child, const QString& path);
    TMDIChild* createChild(const QString& mode, const QString& caption, const QString& path = QString());

    ParameterSet ps_;
    MessageBoxReporter reporter_;
    DialogSet dialogs_;
    std::unique_ptr<FileDialogs> fileDialogs_;
    QMdiArea* mdi_ = nullptr;
    QToolBar* toolBar_ = nullptr;
    QToolBar* exploreBar_ = nullptr;  // Back and Forward
    QList<QMenu*> frameMenus_;
    QMenu* windowMenu_ = nullptr;
    QMenu* toolsMenu_ = nullptr;
    Galleries* galleries_ = nullptr;
    QTimer Timer1;
    bool closePending_ = false;
    bool closing_ = false;
};

}  // namespace zarvo
