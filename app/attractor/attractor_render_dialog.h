// "Render to File" for attractor pictures: the size (up to the largest
// attractor picture), the oversampling of the log-density hit grid in place
// of supersampling (off, with the reason, for the level colouring, which
// counts one hit per pixel), and the run: map steps, the seed of the
// random generator and the sample streams. Format and file as for every
// picture.
#pragma once

#include <cstdint>

#include "render_file_dialog.h"

class QDoubleSpinBox;
class QLineEdit;
class QSpinBox;

namespace zarvo {

struct AttractorRenderChoice {
    RenderFileChoice file;  // supersample: the hit grid's oversampling
    int64_t steps = 0;
    uint64_t seed = 1;
    int streams = 1;
};

class AttractorRenderDialog : public RenderFileDialog {
    Q_OBJECT
public:
    // logDensity: the picture uses the log-density mapping; oversample: the
    // file's oversampling; steps, streams: the run's defaults.
    AttractorRenderDialog(QSize view, const QString& startPath, int quality, bool logDensity, int oversample,
                          int64_t steps, int streams, QWidget* parent = nullptr);
    AttractorRenderChoice attractorChoice() const;

protected:
    QString summary() const override;

private:
    QDoubleSpinBox* steps_ = nullptr;
    QLineEdit* seed_ = nullptr;
    QSpinBox* streams_ = nullptr;
};

}  // namespace zarvo
