#include "child_menus.h"

#include <QAction>
#include <QActionGroup>
#include <QKeySequence>
#include <QMdiArea>
#include <QMenu>

#include "main_form.h"
#include "mdi_child.h"
#include "menu_captions.h"

namespace zarvo {

namespace {

template <typename F>
QAction* Item(QMenu* menu, const QString& caption, F&& f, bool checkable = false) {
    QAction* a = menu->addAction(caption);
    a->setCheckable(checkable);
    QObject::connect(a, &QAction::triggered, menu, std::forward<F>(f));
    return a;
}

// One choice of several: shown with a radio mark, none marked when the
// parameter holds a value outside the menu.
void Group(QMap<int, QAction*>& items, QObject* owner) {
    auto* group = new QActionGroup(owner);
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (QAction* a : items) group->addAction(a);
}

// One checkable item per caption, each storing its value through `click`.
template <typename Click>
void AddChoices(QMenu* menu, const std::vector<MenuCaption>& captions, QMap<int, QAction*>& items, Click click) {
    for (const MenuCaption& choice : captions) {
        const int n = choice.value;
        items[n] = Item(
            menu, QString::fromLatin1(choice.caption), [click, n] { click(n); }, true);
    }
}

void CheckOnly(QMap<int, QAction*>& items, int value) {
    for (auto it = items.begin(); it != items.end(); ++it) it.value()->setChecked(it.key() == value);
}

}  // namespace

void ChildMenus::build(TMDIChild& c, TMainForm& m) {
    buildFileMenu(c, m);
    buildChoiceMenus(c);
    buildImageMenu(c, m);
    buildDialogsMenu(c, m);
    buildSizeMenu(c, m);
    buildWindowMenu(c, m);
    buildToolsMenu(c, m);
    buildHelpMenu(c, m);
    for (QMap<int, QAction*>* items : {&render, &transform, &blend, &rgb, &rotate}) Group(*items, &c);
    buildPopup(c, m);
}

QMenu* ChildMenus::addMenu(TMDIChild& c, const QString& title) {
    auto* menu = new QMenu(title, &c);
    menuBar.append(menu);
    return menu;
}

void ChildMenus::buildFileMenu(TMDIChild& c, TMainForm& m) {
    QMenu* file = addMenu(c, QStringLiteral("&File"));
    Item(file, QStringLiteral("&New"), [&m] { m.FileNewItemClick(); })->setShortcuts(QKeySequence::New);
    Item(file, QStringLiteral("&Open"), [&m] { m.FileOpenItemClick(); })->setShortcuts(QKeySequence::Open);
    file->addSeparator();
    Item(file, QStringLiteral("&Save"), [&c] { c.SaveToFile(); })->setShortcuts(QKeySequence::Save);
    Item(file, QStringLiteral("&Load From Parameter File"), [&m] { m.LoadParameterFileClick(); });
    Item(file, QStringLiteral("&JPEG Options"), [&m] { m.JpegOptionsClick(); });
    file->addSeparator();
    Item(file, QStringLiteral("E&xit"), [&m] { m.close(); })->setShortcuts(QKeySequence::Quit);
}

void ChildMenus::buildChoiceMenus(TMDIChild& c) {
    QMenu* render01 = addMenu(c, QStringLiteral("&Render01"));
    QMenu* render02 = addMenu(c, QStringLiteral("R&ender02"));
    for (const MenuCaption& r : RenderMethodCaptions()) {
        QMenu* target = r.menu == 1 ? render01 : render02;
        const int n = r.value;
        render[n] = Item(
            target, QString::fromLatin1(r.caption), [&c, n] { c.RenderClick(n); }, true);
    }
    QMenu* trans = addMenu(c, QStringLiteral("&Transform"));
    AddChoices(trans, TransformCaptions(), transform, [&c](int n) { c.TransformClick(n); });
    QMenu* blendMenu = addMenu(c, QStringLiteral("&Blend"));
    AddChoices(blendMenu, BlendCaptions(), blend, [&c](int n) { c.BlendClick(n); });
    QMenu* rgbMenu = addMenu(c, QStringLiteral("R&GB"));
    AddChoices(rgbMenu, RgbOrderCaptions(), rgb, [&c](int n) { c.RgbClick(n); });
}

void ChildMenus::buildImageMenu(TMDIChild& c, TMainForm& m) {
    QMenu* image = addMenu(c, QStringLiteral("&Image"));
    Item(image, QStringLiteral("&Vantrel View"), [&m] { m.VantrelViewClick(); });
    image->addSeparator();
    Item(image, QStringLiteral("&Zoom"), [&c] { c.Zoom1Click(); });
    Item(image, QStringLiteral("&Clear Rectangle"), [&c] { c.ClearRectangle1Click(); });
    Item(image, QStringLiteral("&Apply"), [&c] { c.Apply1Click(); })->setShortcut(Qt::Key_F5);
    Item(image, QStringLiteral("&Reset"), [&c] { c.Reset1Click(); })->setShortcut(Qt::CTRL | Qt::Key_R);
    image->addSeparator();
    inverse.append(Item(
        image, QStringLiteral("&Inverse formula"), [&c] { c.InverseFormula1Click(); }, true));
    julia.append(Item(
        image, QStringLiteral("&Julia mode"), [&c] { c.JuliaMode1Click(); }, true));
    image->addSeparator();
    const char* rotations[] = {"&Normal", "Rotate &90", "&Mirror and Rotate", "Mirr&or"};
    for (int n = 0; n < 4; ++n)
        rotate[n] = Item(
            image, QString::fromLatin1(rotations[n]), [&c, n] { c.RotateClick(n); }, true);
}

void ChildMenus::buildDialogsMenu(TMDIChild& c, TMainForm& m) {
    QMenu* dialogs = addMenu(c, QStringLiteral("&Dialogs"));
    Item(dialogs, QStringLiteral("&Formulas"), [&m] { m.FormulaButtomClick(); });
    Item(dialogs, QStringLiteral("&XY Size"), [&m] { m.XYSizeClick(); });
    Item(dialogs, QStringLiteral("&Parameters"), [&m] { m.ParametersClick(); });
    Item(dialogs, QStringLiteral("&Colors"), [&m] { m.ColorsClick(); });
    Item(dialogs, QStringLiteral("&Vantrel Parameters"), [&m] { m.VantrelParametersClick(); });
}

void ChildMenus::buildSizeMenu(TMDIChild& c, TMainForm& m) {
    QMenu* size = addMenu(c, QStringLiteral("&XYSize"));
    size->addAction(QStringLiteral("z a  r v o _  View"))->setEnabled(false);
    const int presets[4][2] = {{180, 120}, {320, 240}, {640, 480}, {800, 600}};
    for (const auto& p : presets) {
        const int w = p[0], h = p[1];
        Item(size, QStringLiteral("&%1 by %2").arg(w).arg(h), [&c, w, h] { c.SizePresetClick(w, h); });
    }
    size->addSeparator();
    Item(size, QStringLiteral("&XY Size [For Vantrel View]"), [&m] { m.XYSizeClick(); });
}

void ChildMenus::buildWindowMenu(TMDIChild& c, TMainForm& m) {
    QMenu* window = addMenu(c, QStringLiteral("&Window"));
    Item(window, QStringLiteral("&Cascade"), [&m] { m.WindowCascadeClick(); });
    Item(window, QStringLiteral("&Tile"), [&m] { m.mdiArea()->tileSubWindows(); });
    Item(window, QStringLiteral("&Arrange Icons"), [&m] { m.WindowArrangeIconsClick(); });
    Item(window, QStringLiteral("&Minimize All"), [&m] { m.WindowMinimizeAllClick(); });
    window->addSeparator();
    toolbarVisible = Item(
        window, QStringLiteral("Toolbar &Visible"), [&m] { m.ToolbarVisibleClick(); }, true);
    Item(window, QStringLiteral("&Re-Size active window"), [&c] { c.ResizeActiveWindow1Click(); });
}

void ChildMenus::buildToolsMenu(TMDIChild& c, TMainForm& m) {
    tools = addMenu(c, QStringLiteral("T&ools"));
    back = Item(tools, QStringLiteral("&Back"), [&c] { c.BackClick(); });
    back->setShortcut(Qt::ALT | Qt::Key_Left);
    forward = Item(tools, QStringLiteral("&Forward"), [&c] { c.ForwardClick(); });
    forward->setShortcut(Qt::ALT | Qt::Key_Right);
    tools->addSeparator();
    Item(tools, QStringLiteral("Orbit &Inspector"), [&m] {
        m.OrbitInspectorClick();
    })->setShortcut(Qt::CTRL | Qt::Key_I);
    Item(tools, QStringLiteral("Render Method &Gallery"), [&m] {
        m.MethodGalleryClick();
    })->setShortcut(Qt::CTRL | Qt::Key_G);
    Item(tools, QStringLiteral("B&lend Gallery"), [&m] {
        m.BlendGalleryClick();
    })->setShortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_G);
    tools->addSeparator();
    Item(tools, QStringLiteral("Render to &File..."), [&c] {
        c.RenderToFileClick();
    })->setShortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_R);
    tools->addSeparator();
    m.addRecentFilesMenu(tools);
}

void ChildMenus::buildHelpMenu(TMDIChild& c, TMainForm& m) {
    QMenu* help = addMenu(c, QStringLiteral("&Help"));
    Item(help, QStringLiteral("&Help"), [&m] { m.HelpContentsClick(); })->setShortcuts(QKeySequence::HelpContents);
    Item(help, QStringLiteral("&About"), [&m] { m.HelpAboutItemClick(); });
}

void ChildMenus::buildPopup(TMDIChild& c, TMainForm& m) {
    popup = new QMenu(&c);
    zoomIn = Item(popup, QStringLiteral("Zoom In"), [&c] { c.Zoom1Click(); });
    Item(popup, QStringLiteral("Clear Rectangle"), [&c] { c.ClearRectangle1Click(); });
    inverse.append(Item(
        popup, QStringLiteral("Inverse formula"), [&c] { c.InverseFormula1Click(); }, true));
    julia.append(Item(
        popup, QStringLiteral("Julia mode"), [&c] { c.JuliaMode1Click(); }, true));
    Item(popup, QStringLiteral("Parameters"), [&m] { m.ParametersClick(); });
    Item(popup, QStringLiteral("Save"), [&c] { c.SaveToFile(); });
    Item(popup, QStringLiteral("Load from parameter file"), [&m] { m.LoadParameterFileClick(); });
}

void ChildMenus::update(const ParameterSet& ps, bool rectangleExists, bool toolbarShown) {
    for (QAction* a : julia) a->setChecked(ps.juliaMode == 1);
    for (QAction* a : inverse) a->setChecked(ps.inverseFormula != 0);
    CheckOnly(transform, ps.transformMode);
    CheckOnly(blend, ps.blendMethod);
    CheckOnly(rgb, ps.rgbOrder);
    CheckOnly(rotate, ps.rotateMode);
    CheckOnly(render, ps.renderMethod);
    if (zoomIn) zoomIn->setEnabled(rectangleExists);
    if (toolbarVisible) toolbarVisible->setChecked(toolbarShown);
}

}  // namespace zarvo
