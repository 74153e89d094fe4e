// The mouse state of one fractal window: spanning, moving and resizing the
// zoom rectangle, click-zoom, picking the Julia constant, the pointer shape
// and the status text. Positions are picture pixels (ToPicture); the window
// draws outlines() over its picture and shows statusText.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "parameter_set.h"
#include "picture_geometry.h"

namespace zarvo {

// Modifier and button set of a press, in this bit order. The plain left
// button alone is exactly shiftLeft (8).
enum ShiftBits : int {
    shiftShift = 1,
    shiftAlt = 2,
    shiftCtrl = 4,
    shiftLeft = 8,
    shiftRight = 16,
    shiftMiddle = 32,
    shiftDouble = 64,
};

enum class PointerShape {
    Cross,         // spanning a new rectangle
    SizeAll,       // inside the rectangle: dragging moves it
    PointingHand,  // the next click picks the Julia constant
    SizeNWSE,      // on the top-left or bottom-right corner
    SizeNESW,      // on the top-right or bottom-left corner
};

class MouseNavigation {
public:
    // Normal state (all bits set): a release finishes a drag rectangle.
    // 0 (after Julia mode was switched on): a release zooms at once.
    int32_t rectangleMode = flagOn;
    PicturePoint pressPoint;
    int pressShift = 0;
    PicturePoint dragPoint;
    PicturePoint cornerA;
    PicturePoint cornerB;
    uint8_t buttonDown = 0;
    uint8_t rectangleExists = 0;
    int grabbedCorner = -1;  // -1 none; 1 cornerA, 2 (B.x, A.y), 3 cornerB, 4 (A.x, B.y)
    int movingRectangle = 0;
    int selectionLeft = 0;
    int selectionTop = 0;
    int selectionWidth = 0;
    int selectionHeight = 0;
    double mouseRe = 0;
    double mouseIm = 0;

    PointerShape pointer = PointerShape::Cross;
    // Set by MouseMove when the status bar is to show a new text; left
    // unchanged (statusChanged false) while the picture has no width.
    bool statusChanged = false;
    std::string statusText;
    char decimalPoint = '.';

    // Julia mode is on and its constant is still to be chosen.
    static bool JuliaPickState(const ParameterSet& ps) { return ps.juliaMode == 1 && ps.juliaConstantSet == 0; }

    struct PressResult {
        bool handled = false;      // a left press was taken
        bool juliaPicked = false;  // the constant was set and the view reset:
                                   // the window clears its rectangle drawing
    };
    PressResult MouseDown(ParameterSet& ps, PicturePoint p, int shift);

    void MouseMove(const ParameterSet& ps, const ScanEdges& edges, PicturePoint p);

    struct ReleaseResult {
        bool handled = false;  // a left release was taken; update the menus
        bool zoomNow = false;  // run the Zoom command at once
    };
    ReleaseResult MouseUp(ParameterSet& ps, PicturePoint p, int shift);

    // Drops the rectangle (the window repaints its picture).
    void ClearRectangle();

    // What to draw over the picture with the inverting pen: nothing, or a
    // rectangle and its four handles.
    const std::vector<Outline>& outlines() const { return outlines_; }

private:
    struct SelectionCentre {
        double x = 0;
        double y = 0;
    };
    void ChoosePointer(const ParameterSet& ps, PicturePoint p);
    // The pieces of a release that selects a view: the selection of a drag
    // (corner A to corner B) or of a click-zoom (half or, with a modifier,
    // twice the picture about the press point), each returning its centre;
    // the selection reshaped to the picture's aspect about that centre,
    // with the corners and outlines following it; and the pending view
    // (selXMin .. selYMax, centres, pendingZoom) it selects.
    SelectionCentre SelectDraggedRectangle();
    SelectionCentre SelectClickZoom(const ParameterSet& ps);
    void FitSelectionToPicture(const ParameterSet& ps, SelectionCentre centre);
    void SetPendingView(ParameterSet& ps) const;
    std::vector<Outline> outlines_;
};

}  // namespace zarvo
