// One fractal window of the main frame: its picture, its menus, its scan
// (rows computed on every core where the plug-in allows it, taken and drawn
// row by row on the user-interface thread, events handled in between), its
// mouse navigation and its start modes.
#pragma once

#include <QElapsedTimer>
#include <QPoint>
#include <QString>
#include <QTimer>
#include <optional>

#include "child_menus.h"
#include "fractal_view.h"
#include "mouse_navigation.h"
#include "orbit_probe.h"
#include "palette_strip.h"
#include "picture_window.h"
#include "view_history.h"
#include "view_moves.h"

class QMdiSubWindow;

namespace zarvo {

class TMainForm;

class TMDIChild : public PictureWindow {
public:
    TMDIChild(TMainForm& main, const QString& caption);
    ~TMDIChild() override;

    FractalView& view() { return view_; }
    MouseNavigation& navigation() { return nav_; }
    ChildMenus& menus() { return menus_; }
    QMdiSubWindow* subWindow() const;

    // The caption restored when a scan ends (the file-name part is shown).
    QString windowCaption;
    bool scanning() const { return scanDepth_ > 0 || view_.scanRunning != 0; }

    // Start of the window, 10 ms after creation (Timer1): does the work of
    // the start mode ("NEW", "OPEN", "PARAM") the main frame announced when
    // it asked for the start. The mode is kept per window, so two windows
    // started in quick succession never take each other's mode. Also used by
    // the main frame to load a parameter file into this window. `path` is the
    // picture ("OPEN") or parameter file ("PARAM") to take; it is kept with
    // the mode, never read back from the caption, which a scan's end resets.
    // A start asked for during a scan waits until the scan has ended.
    void startFirstDraw(const QString& mode, const QString& path = QString());
    // Timer1's work: runs the start mode (despite its name it paints nothing).
    void FormPaint();
    void Timer2Timer();

    // Draws the whole picture. Returns what the scan reached.
    ScanResult UpdateFractal();
    void Abort();
    // Recolours from the stored planes, or redraws a picture too large for them.
    void ChildApplyColors();
    // While a colour value is being changed: the colour dialog's values
    // recolour a picture that fits the planes at once (no history step;
    // the dialog's timer still does the recolour that counts).
    void liveRecolour();
    // The range of the values in the planes of a finished picture.
    ValueRange resultRange() const;

    // Commands of the window's menus.
    void Zoom1Click();
    void ClearRectangle1Click();
    void Apply1Click() { UpdateFractal(); }
    void Reset1Click();
    void InverseFormula1Click();
    void JuliaMode1Click();
    void RotateClick(int mode);
    void RenderClick(int method);
    void TransformClick(int mode);
    void BlendClick(int method);
    void RgbClick(int order);
    // A blend and a channel order at once (the blend gallery).
    void BlendOrderClick(int blend, int order);
    void SizePresetClick(int width, int height);
    // Takes the new picture size (from the image-size dialog while it is
    // shown) and draws the picture again.
    void TP01Click();
    void ResizeActiveWindow1Click();
    void SaveToFile();
    // Tools > Render to File: the picture at another size drawn and written
    // in the background while the window goes on.
    void RenderToFileClick();
    void UpdateMenuItems();
    void PopupMenu(const QPoint& globalPos) override;

    // Back and Forward through the pictures the window drew: the whole
    // state of the step is put back and its picture shown (at once while it
    // is kept, else recoloured or drawn again). Asked for during a scan,
    // the scan is stopped and the step taken when it has ended.
    void BackClick();
    void ForwardClick();
    const ViewHistory& history() const { return history_; }

    // Mouse on the picture, in picture pixels.
    void Image1MouseDown(PicturePoint p, int shift) override;
    void Image1MouseMove(PicturePoint p) override;
    void Image1MouseUp(PicturePoint p, int shift) override;
    // The middle button drags the view; the mouse's back and forward
    // buttons step through the history.
    void Image1OtherButton(Qt::MouseButton button, PicturePoint p, bool pressed) override;
    // Ctrl+wheel, and the plain wheel while the whole picture is in sight,
    // zoom in or out by 2 about the pointer.
    bool Image1Wheel(PicturePoint p, int delta, Qt::KeyboardModifiers modifiers) override;
    void Image1MouseLeave() override;

    // The orbit inspector follows the pixel under the pointer (the last
    // one, when none is given); it computes the pixel on a record of its
    // own, so a running scan goes on undisturbed.
    void inspectPixel();
    const MouseNavigation& pictureNavigation() const override { return nav_; }

    // Sizes the window's client area to the picture (see clientSizeFor),
    // keeping the window inside the frame's visible area.
    void sizeClientArea(int width, int height);

    // Shows the work picture in the client area (during a scan) or makes it
    // the window's own picture (at the end).
    void showWorkBitmap();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    friend class ChildScanHooks;
    void prepareForScan();
    void scanEnded(const std::string& fault);
    void startNew();
    void startOpen(const QString& path);
    void startParam(const QString& path);
    void setPictureSize(int width, int height);
    // A picture opened from a file is drawn over only when the user agrees;
    // false when the window keeps it.
    bool mayReplacePicture();
    QString fileNamePart(const QString& caption) const;
    // The history's side of a scan and a recolour (child_history.cpp).
    void historyScanStarting();
    void historyPictureFinished();
    void historyRecoloured();
    void stepThroughHistory(int direction);
    void showHistoryStep(const PictureState& state);
    // Moves of the view and their preview (child_explore.cpp).
    ScanEdges shownEdges() const;
    ScanEdges EdgesOf(const ViewCentre& view) const;
    // Shows the part of the picture drawn over `from` that the view about
    // to be drawn keeps, scaled to the new picture. False when there is no
    // such picture.
    bool showPreview(const ScanEdges& from);
    void moveView(const ViewCentre& to);
    void dragPicture(PicturePoint p);
    void inspectPixel(PicturePoint p);

    TMainForm& main_;
    ParameterSet& ps_;
    FractalView view_;
    MouseNavigation nav_;
    ChildMenus menus_;
    QTimer Timer1;
    QTimer Timer2;
    QString startMode_;
    QString startPath_;
    int scanDepth_ = 0;
    bool showsOpenedPicture_ = false;
    PicturePoint lastMove_{-1000000, -1000000};
    ViewHistory history_;
    int wheelTurn_ = 0;  // of the wheel, short of a notch
    bool panning_ = false;
    PicturePoint panFrom_;
    RgbImage panPicture_;  // what the window showed when the drag began
    OrbitProber prober_;
    bool pointerOver_ = false;
    PictureState scanState_;                   // what the last scan started to draw
    std::optional<PictureState> planesState_;  // what the planes hold, when they hold a finished picture
    // The picture shown was put back from the history without its planes
    // (too large to keep them): the planes hold another picture.
    bool planesLost_ = false;
};

}  // namespace zarvo
