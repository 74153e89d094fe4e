// The menu bar and pop-up menu of one fractal window, and the check marks
// and enabled states that follow the shared parameter set.
#pragma once

#include <QList>
#include <QMap>

class QAction;
class QMenu;
class QString;
class QWidget;

namespace zarvo {

class TMDIChild;
class TMainForm;
struct ParameterSet;

struct ChildMenus {
    // Builds every menu with `owner` as parent and the commands wired to
    // the window and the main frame.
    void build(TMDIChild& child, TMainForm& main);

    // Check marks from the parameter set; "Zoom In" from the rectangle.
    void update(const ParameterSet& ps, bool rectangleExists, bool toolbarVisible);

    QList<QMenu*> menuBar;  // in menu-bar order
    QMenu* popup = nullptr;
    // The window's own commands beyond the classic menus; placed just
    // before "Help".
    QMenu* tools = nullptr;

    QMap<int, QAction*> render;     // renderMethod -> item
    QMap<int, QAction*> transform;  // transformMode -> item
    QMap<int, QAction*> blend;      // blendMethod -> item
    QMap<int, QAction*> rgb;        // rgbOrder -> item
    QMap<int, QAction*> rotate;     // rotateMode -> item
    QList<QAction*> inverse;        // menu item and pop-up item
    QList<QAction*> julia;          // menu item and pop-up item
    QAction* zoomIn = nullptr;      // pop-up "Zoom In"
    QAction* toolbarVisible = nullptr;
    QAction* back = nullptr;     // Tools "Back"
    QAction* forward = nullptr;  // Tools "Forward"

private:
    // A new menu at the end of the menu bar.
    QMenu* addMenu(TMDIChild& child, const QString& title);
    void buildFileMenu(TMDIChild& child, TMainForm& main);
    // Render01, Render02, Transform, Blend and RGB: one item per table entry.
    void buildChoiceMenus(TMDIChild& child);
    void buildImageMenu(TMDIChild& child, TMainForm& main);
    void buildDialogsMenu(TMDIChild& child, TMainForm& main);
    void buildSizeMenu(TMDIChild& child, TMainForm& main);
    void buildWindowMenu(TMDIChild& child, TMainForm& main);
    void buildToolsMenu(TMDIChild& child, TMainForm& main);
    void buildHelpMenu(TMDIChild& child, TMainForm& main);
    void buildPopup(TMDIChild& child, TMainForm& main);
};

}  // namespace zarvo
