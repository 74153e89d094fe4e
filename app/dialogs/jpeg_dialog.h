// The JPEG dialog: compression quality and progressive encoding of saved
// JPEG pictures. Only OK changes the settings.
#pragma once

#include "tool_dialog.h"

class QCheckBox;
class QPushButton;

namespace zarvo {

class CheckedSpinBox;

struct ParameterSet;

class TJPGUnit : public ToolDialog {
    Q_OBJECT
public:
    explicit TJPGUnit(ParameterSet& ps, QWidget* parent = nullptr);

    // Shows jpegQuality and jpegProgressive in the fields (done right after
    // every show).
    void loadFields();

    // "OK": takes the quality and the progressive switch, then closes.
    void OKClick();

protected:
    QPoint homeSpot(const QRect& frame, const QSize& size) const override;
    void afterShow() override { loadFields(); }

private:
    ParameterSet& ps_;
    QCheckBox* ProgressiveBox;
    CheckedSpinBox* JpegQuality;
    QPushButton* OK;
};

}  // namespace zarvo
