// The orbit inspector: while the pointer is over a fractal picture, the
// pixel under it with its iteration count, both results of the render method
// and the first points of its orbit; the window draws the orbit over the
// picture while "Draw the orbit" is checked.
#pragma once

#include "tool_dialog.h"

class QCheckBox;
class QLabel;
class QPlainTextEdit;

namespace zarvo {

struct OrbitProbe;

class TOrbitInspector : public ToolDialog {
    Q_OBJECT
public:
    // Orbit points listed.
    static constexpr int listedPoints = 40;

    explicit TOrbitInspector(QWidget* parent = nullptr);

    bool drawsOrbit() const;
    // The pixel whose point in the plane is (re, im).
    void showProbe(const OrbitProbe& probe, double re, double im);
    // No pixel to show, and why.
    void showNothing(const QString& why);

signals:
    void drawOrbitToggled(bool on);
    // The inspector was closed: the orbit drawn over a picture goes.
    void closed();

protected:
    QPoint homeSpot(const QRect& frame, const QSize& size) const override;
    void hideEvent(QHideEvent* event) override;

private:
    QCheckBox* drawOrbit_;
    QLabel* pixel_;
    QLabel* point_;
    QLabel* count_;
    QLabel* resultA_;
    QLabel* resultB_;
    QPlainTextEdit* points_;
};

}  // namespace zarvo
