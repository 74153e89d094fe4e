// The image-size dialog: width and height for a fractal window or for the
// attractor ("Vantrel") view, with a menu of common sizes.
#pragma once

#include <functional>

#include "rgb_image.h"
#include "tool_dialog.h"

class QSpinBox;
class QToolButton;

namespace zarvo {

struct ParameterSet;
class Reporter;

class TXYSize1 : public ToolDialog {
    Q_OBJECT
public:
    static constexpr int minSize = 1;
    static constexpr int maxSize = largestPictureSide;

    TXYSize1(ParameterSet& ps, Reporter& reporter, QWidget* parent = nullptr);

    // True for a width and height a picture can have.
    static bool isUsableSize(int width, int height) { return IsPictureSize(width, height); }

    // Tells whether the attractor view is open; without it the view counts
    // as closed.
    std::function<bool()> vantrelVisible;

    // The size in the fields. A fractal window resizing while this dialog is
    // visible takes its size from here.
    int fieldWidth() const;
    int fieldHeight() const;

    // Shows a size in the fields without applying it (the fractal window's
    // own size presets do this while the dialog is visible).
    void showSize(int width, int height);

    // Fills the fields from the picture size and makes the attractor view's
    // size the same (done on every show).
    void loadFields();

    // The two commands of the "Apply" button.
    void applyToVantrelView();
    void applyToZarvoView();

signals:
    // Resize the active fractal window to this size.
    void applyToFractal(int width, int height);
    // The attractor view is open and xySizeWidth/xySizeHeight hold its new
    // size: resize it.
    void applyToVantrel();

protected:
    QPoint homeSpot(const QRect& frame, const QSize& size) const override;
    void beforeShow() override { loadFields(); }

private:
    // False, with a message, when the fields hold no usable picture size.
    bool checkSize();

    ParameterSet& ps_;
    Reporter& reporter_;
    QSpinBox* SpinWidth;
    QSpinBox* SpinHeight;
    QToolButton* ApplyButton;
};

}  // namespace zarvo
