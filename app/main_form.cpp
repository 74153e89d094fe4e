// The main frame's construction: menus, tool bar, status bar, the start
// timer and the routing of the active window's menus.
#include "main_form.h"

#include <QAction>
#include <QKeySequence>
#include <QApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QStatusBar>
#include <QScreen>
#include <QStyle>
#include <QToolBar>

#include "galleries.h"
#include "glyphs.h"
#include "thumbnail_gallery.h"
#include "mdi_child.h"
#include "remembered.h"

namespace zarvo {

namespace {
const char* const kFrameCaption = "z a r v o _ v0.1";
}

TMainForm::TMainForm() : reporter_(this), fileDialogs_(std::make_unique<FileDialogs>()) {
    setWindowTitle(QString::fromLatin1(kFrameCaption));
    mdi_ = new QMdiArea(this);
    mdi_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    mdi_->setBackground(QColor(96, 104, 120));
    setCentralWidget(mdi_);
    createActions();
    createMenus();
    createToolBar();
    statusBar()->showMessage(QString());
    // Most of the screen, so that an 800 x 600 picture fits with room to
    // spare, but never more than the screen (less the caption bar), also
    // when the screen's pixels are scaled up.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect room = screen->availableGeometry();
        const QSize most(std::max(800, room.width() * 9 / 10), std::max(600, room.height() * 9 / 10));
        resize(most.boundedTo(room.size() * 19 / 20));
    } else {
        resize(1000, 720);
    }

    RestoreFrame(*this);

    applicationTitle = QStringLiteral("NEW");
    connect(mdi_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow* w) { subWindowActivated(w); });

    Timer1.setSingleShot(true);
    Timer1.setInterval(100);
    connect(&Timer1, &QTimer::timeout, this, [this] {
        if (applicationTitle == QLatin1String("NEW")) FileNewItemClick();
    });
    Timer1.start();
    UpdateMenuItems();
}

TMainForm::~TMainForm() {
    // Windows and dialogs refer to the parameter set and the reporter, which
    // are members of this frame: they go first.
    closing_ = true;
    disconnect(mdi_, nullptr, this, nullptr);
    delete mdi_;
    mdi_ = nullptr;
    for (QWidget* w : allDialogs()) delete w;
    dialogs_ = DialogSet();
}

QList<QWidget*> TMainForm::allDialogs() const {
    QList<QWidget*> list;
    for (QWidget* w : std::initializer_list<QWidget*>{dialogs_.about, dialogs_.xySize, dialogs_.params, dialogs_.list,
                                                      dialogs_.colors, dialogs_.vantrelParams, dialogs_.vantrel,
                                                      dialogs_.jpeg, dialogs_.inspector})
        if (w) list.append(w);
    if (galleries_) list << galleries_->methods() << galleries_->blends();
    return list;
}

QAction* TMainForm::action(const QString& name) const { return findChild<QAction*>(name); }

void TMainForm::createActions() {
    // Menu items are named "menu:<caption>", tool-bar buttons "tool:<hint>".
    auto make = [this](const QString& name, const QString& text, const QString& hint, auto slot) {
        auto* a = new QAction(text, this);
        a->setObjectName(name);
        if (!hint.isEmpty()) a->setStatusTip(hint);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    make("menu:&New", "&New", "Create a new file", [this] { FileNewItemClick(); });
    make("menu:&Open", "&Open", "Open an existing file", [this] { FileOpenItemClick(); });
    make("menu:&Close", "&Close", "Close current file", [this] { FileCloseItemClick(); });
    make("menu:&Save", "&Save", "Save current file", [this] { FileSaveItemClick(); });
    make("menu:JPEG Options", "JPEG Options", "", [this] { JpegOptionsClick(); });
    make("menu:Load From Parameter File", "Load From Parameter File", "", [this] { LoadParameterFileClick(); });
    make("menu:E&xit", "E&xit", "Exit the application", [this] { close(); });
    make("menu:&Cascade", "&Cascade", "Arrange windows to overlap", [this] { WindowCascadeClick(); });
    make("menu:&Tile", "&Tile", "Arrange windows without overlap", [this] { mdi_->tileSubWindows(); });
    make("menu:&Arrange Icons", "&Arrange Icons", "Arrange window icons at bottom of main window",
         [this] { WindowArrangeIconsClick(); });
    make("menu:&Minimize All", "&Minimize All", "Minimize all windows", [this] { WindowMinimizeAllClick(); });
    make("menu:Minimize All", "Minimize All", "", [this] { WindowMinimizeAllClick(); });
    make("menu:Toolbar Visible", "Toolbar Visible", "", [this] { ToolbarVisibleClick(); })->setCheckable(true);
    make("menu:Help", "Help", "", [this] { HelpContentsClick(); });
    make("menu:&About", "&About", "", [this] { HelpAboutItemClick(); });
    action("menu:&Save")->setEnabled(false);
    // The platform's keys. A fractal window's menu bar replaces these menus
    // and carries the same keys itself; Close has no item there, so it is
    // also an action of the frame as a whole.
    action("menu:&New")->setShortcuts(QKeySequence::New);
    action("menu:&Open")->setShortcuts(QKeySequence::Open);
    action("menu:&Close")->setShortcuts(QKeySequence::Close);
    action("menu:&Save")->setShortcuts(QKeySequence::Save);
    action("menu:E&xit")->setShortcuts(QKeySequence::Quit);
    action("menu:Help")->setShortcuts(QKeySequence::HelpContents);
    addAction(action("menu:&Close"));

    QStyle* style = QApplication::style();
    auto button = [&](const QString& hint, const QIcon& icon, auto slot, const QString& text = QString()) {
        QAction* a = make("tool:" + hint, text.isEmpty() ? hint : text, hint, slot);
        a->setToolTip(hint);
        if (text.isEmpty()) a->setIcon(icon);
        return a;
    };
    button("New", style->standardIcon(QStyle::SP_FileIcon), [this] { FileNewItemClick(); });
    button("Parameter file", ParameterFileGlyph(), [this] { LoadParameterFileClick(); });
    button("Save", style->standardIcon(QStyle::SP_DialogSaveButton), [this] {
        FileSaveItemClick();
    })->setEnabled(false);
    button("Open", style->standardIcon(QStyle::SP_DialogOpenButton), [this] { FileOpenItemClick(); });
    button("Reset Coordinates", ResetGlyph(), [this] { ResetClick(); });
    button("Apply", ApplyGlyph(), [this] { ApplyClick(); });
    button(
        "Julia Mode", QIcon(), [this] { JuliaClick(); }, "J")
        ->setCheckable(true);
    button("Parameters", ParametersGlyph(), [this] { ParametersClick(); });
    button("XY Size", SizeGlyph(), [this] { XYSizeClick(); });
    button("Show Formulas", FormulaListGlyph(), [this] { FormulaButtomClick(); });
    button(
        "Vantrel View", QIcon(), [this] { VantrelViewClick(); }, "AV");
    button(
        "Vantrel Parameters", QIcon(), [this] { VantrelParametersClick(); }, "AP");
    button("Color parameters", ColourGlyph(), [this] { ColorsClick(); });
    button("Zoom into Rectangle", ZoomGlyph(), [this] { ZoomClick(); });
    button("Stop Drawing", StopGlyph(), [this] { AbortClick(); })->setShortcut(Qt::Key_Escape);
    button("About", style->standardIcon(QStyle::SP_MessageBoxInformation), [this] { HelpAboutItemClick(); });
    button("Back", style->standardIcon(QStyle::SP_ArrowBack), [this] {
        if (TMDIChild* c = activeChild()) c->BackClick();
    });
    button("Forward", style->standardIcon(QStyle::SP_ArrowForward), [this] {
        if (TMDIChild* c = activeChild()) c->ForwardClick();
    });
}

void TMainForm::createMenus() {
    auto menu = [this](const QString& title, const QString& hint, const QStringList& items) {
        auto* m = new QMenu(title, this);
        if (!hint.isEmpty()) m->menuAction()->setStatusTip(hint);
        for (const QString& item : items) {
            if (item.isEmpty()) m->addSeparator();
            else m->addAction(action("menu:" + item));
        }
        frameMenus_.append(m);
        return m;
    };
    menu("&File", "File related commands",
         {"&New", "&Open", "&Close", "&Save", "JPEG Options", "Load From Parameter File", "", "E&xit"});
    windowMenu_ = menu("&Window", "Window related commands such as Tile and Cascade",
                       {"&Cascade", "&Tile", "&Arrange Icons", "&Minimize All", "Minimize All", "", "Toolbar Visible"});
    connect(windowMenu_, &QMenu::aboutToShow, this, [this] { fillWindowList(); });
    // Commands beyond the classic menus, just before "Help" (a fractal
    // window's menu bar has its own Tools menu in the same place).
    toolsMenu_ = menu("T&ools", "", {});
    addRecentFilesMenu(toolsMenu_);
    menu("&Help", "Help topics", {"Help", "&About"});
    showMenusOf(nullptr);
}

void TMainForm::createToolBar() {
    toolBar_ = addToolBar(QStringLiteral("Toolbar"));
    toolBar_->setObjectName(QStringLiteral("ToolBar1"));
    toolBar_->setMovable(false);
    toolBar_->setIconSize(QSize(24, 24));
    toolBar_->setToolButtonStyle(Qt::ToolButtonIconOnly);
    const QStringList order = {"New",
                               "Parameter file",
                               "Save",
                               "Open",
                               "",
                               "Reset Coordinates",
                               "Apply",
                               "Julia Mode",
                               "",
                               "Parameters",
                               "XY Size",
                               "Show Formulas",
                               "Vantrel View",
                               "Vantrel Parameters",
                               "Color parameters",
                               "Zoom into Rectangle",
                               "",
                               "Stop Drawing",
                               "",
                               "About"};
    for (const QString& hint : order) {
        if (hint.isEmpty()) toolBar_->addSeparator();
        else toolBar_->addAction(action("tool:" + hint));
    }
    QFont bold = toolBar_->font();
    bold.setBold(true);
    for (const char* text : {"Julia Mode", "Vantrel View", "Vantrel Parameters"}) {
        if (QWidget* w = toolBar_->widgetForAction(action(QStringLiteral("tool:") + text))) {
            w->setFont(bold);
            w->setMinimumWidth(30);
        }
    }
    action("menu:Toolbar Visible")->setChecked(true);

    // The window history's buttons, beside the tool bar rather than in it.
    exploreBar_ = addToolBar(QStringLiteral("Exploring"));
    exploreBar_->setObjectName(QStringLiteral("ExploreBar"));
    exploreBar_->setMovable(false);
    exploreBar_->setIconSize(toolBar_->iconSize());
    exploreBar_->addAction(action("tool:Back"));
    exploreBar_->addAction(action("tool:Forward"));
}

void TMainForm::addRecentFilesMenu(QMenu* tools) {
    QMenu* recent = tools->addMenu(QStringLiteral("&Recent Parameter Files"));
    connect(recent, &QMenu::aboutToShow, this, [this, recent] {
        recent->clear();
        const QStringList files = RecentParameterFiles();
        int n = 1;
        for (const QString& path : files)
            connect(recent->addAction(QStringLiteral("&%1 %2").arg(n++).arg(path)), &QAction::triggered, this,
                    [this, path] { LoadRecentParameterFile(path); });
        if (files.isEmpty()) recent->addAction(QStringLiteral("(none yet)"))->setEnabled(false);
    });
}

void TMainForm::showMenusOf(TMDIChild* child) {
    QMenuBar* bar = menuBar();
    bar->clear();
    const QList<QMenu*>& menus = child ? child->menus().menuBar : frameMenus_;
    for (QMenu* m : menus) bar->addMenu(m);
}

void TMainForm::fillWindowList() {
    for (QAction* a : windowMenu_->actions())
        if (a->property("windowEntry").toBool()) {
            windowMenu_->removeAction(a);
            a->deleteLater();
        }
    const QList<QMdiSubWindow*> windows = mdi_->subWindowList();
    if (windows.isEmpty()) return;
    QAction* sep = windowMenu_->addSeparator();
    sep->setProperty("windowEntry", true);
    int n = 1;
    for (QMdiSubWindow* w : windows) {
        QAction* a = windowMenu_->addAction(QStringLiteral("&%1 %2").arg(n++).arg(w->windowTitle()));
        a->setProperty("windowEntry", true);
        a->setCheckable(true);
        a->setChecked(w == mdi_->activeSubWindow());
        connect(a, &QAction::triggered, this, [this, w] {
            if (mdi_->subWindowList().contains(w)) mdi_->setActiveSubWindow(w);
        });
    }
}

void TMainForm::subWindowActivated(QMdiSubWindow*) {
    if (closing_) return;
    TMDIChild* child = activeChild();
    showMenusOf(child);
    UpdateMenuItems();
    if (child) child->UpdateMenuItems();
    updateHistoryButtons();
    if (galleries_) galleries_->refresh(child);
    if (dialogs_.colors) dialogs_.colors->setValueRange(child ? child->resultRange() : ValueRange());
}

void TMainForm::updateHistoryButtons() {
    if (closing_) return;
    const TMDIChild* child = activeChild();
    action("tool:Back")->setEnabled(child && child->history().canGoBack());
    action("tool:Forward")->setEnabled(child && child->history().canGoForward());
    if (TMDIChild* c = activeChild()) c->UpdateMenuItems();
}

}  // namespace zarvo
