#include "attractor_render_dialog.h"

#include <QDoubleSpinBox>
#include <QLineEdit>
#include <QRegularExpressionValidator>
#include <QSpinBox>

#include "rgb_image.h"
#include "tone_map.h"
#include "vtl_file.h"

namespace zarvo {

namespace {

RenderFileKind AttractorKind(bool logDensity, int oversample) {
    RenderFileKind kind;
    kind.largestSide = largestPictureSide;
    kind.supersampleCaption = QStringLiteral("Hit-grid &oversampling:");
    kind.supersampleMax = attractor::kMaxOversample;
    kind.supersample = attractor::OversampleOf(oversample);
    kind.supersampleTip = QStringLiteral(
        "The hits are counted on a grid of N × N cells per pixel, which the log-density mapping reduces "
        "with a smooth filter: finer, smoother pictures, N² times the memory.");
    if (!logDensity) {
        kind.supersample = 1;
        kind.supersampleOff = QStringLiteral(
            "Only for the Log density mapping: the level colouring counts one hit per pixel.");
    }
    return kind;
}

// Steps are whole numbers; a double holds every one up to 2^53 exactly.
constexpr double kLargestSteps = 9007199254740992.0;

}  // namespace

AttractorRenderDialog::AttractorRenderDialog(QSize view, const QString& startPath, int quality, bool logDensity,
                                             int oversample, int64_t steps, int streams, QWidget* parent)
    : RenderFileDialog(view, startPath, quality, QString(), parent, AttractorKind(logDensity, oversample)) {
    steps_ = new QDoubleSpinBox(this);
    steps_->setObjectName(QStringLiteral("MapSteps"));
    steps_->setDecimals(0);
    steps_->setRange(1, kLargestSteps);
    steps_->setGroupSeparatorShown(true);
    steps_->setValue(static_cast<double>(steps));
    steps_->setToolTip(QStringLiteral("Map steps of the whole run, shared among the streams."));
    addSettingRow(QStringLiteral("&Map steps:"), steps_);

    seed_ = new QLineEdit(QStringLiteral("1"), this);
    seed_->setObjectName(QStringLiteral("Seed"));
    seed_->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[0-9]{1,19}")), seed_));
    seed_->setToolTip(QStringLiteral("Fixes the random generator, so the same run gives the same picture."));
    addSettingRow(QStringLiteral("S&eed:"), seed_);

    streams_ = new QSpinBox(this);
    streams_->setObjectName(QStringLiteral("Streams"));
    streams_->setRange(1, largestStreamCount);
    streams_->setValue(streams);
    streams_->setToolTip(
        QStringLiteral("Independent sample streams, worked on by every core; 1 is the single sequence."));
    addSettingRow(QStringLiteral("S&treams:"), streams_);

    connect(steps_, &QDoubleSpinBox::valueChanged, this, &AttractorRenderDialog::showSummary);
    showSummary();
}

QString AttractorRenderDialog::summary() const {
    const RenderFileChoice c = choice();
    const double pixels = double(c.width) * c.height;
    const int n = c.supersample;
    return QStringLiteral("%1 megapixels, %2 hit-grid cells a pixel, about %3 hits a pixel")
        .arg(pixels / 1e6, 0, 'f', 1)
        .arg(n * n)
        .arg(steps_ ? steps_->value() / pixels : 0.0, 0, 'f', 1);
}

AttractorRenderChoice AttractorRenderDialog::attractorChoice() const {
    AttractorRenderChoice c;
    c.file = choice();
    c.steps = static_cast<int64_t>(steps_->value());
    c.seed = seed_->text().toULongLong();
    c.streams = streams_->value();
    return c;
}

}  // namespace zarvo
