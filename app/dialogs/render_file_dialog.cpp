#include "render_file_dialog.h"

#include <algorithm>

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "picture_save_dialog.h"

namespace zarvo {

namespace {

const char* const kExtensions[] = {"png", "jpg", "bmp"};

QSize Preset(int index, QSize window) {
    switch (index) {
        case 0: return {1920, 1080};
        case 1: return {3840, 2160};
        case 2: return {7680, 4320};
        case 3: return window * 2;
        case 4: return window * 4;
        default: return {};
    }
}

}  // namespace

RenderFileDialog::RenderFileDialog(QSize window, const QString& startPath, int quality, const QString& refusal,
                                   QWidget* parent, const RenderFileKind& kind)
    : QDialog(parent), window_(window), largestSide_(kind.largestSide) {
    setWindowTitle(QStringLiteral("Render to File"));
    auto* form = new QFormLayout;
    form_ = form;

    preset_ = new QComboBox(this);
    preset_->setObjectName(QStringLiteral("SizePreset"));
    preset_->addItems({QStringLiteral("1920 × 1080"), QStringLiteral("3840 × 2160"), QStringLiteral("7680 × 4320"),
                       QStringLiteral("2 × the window (%1 × %2)").arg(window.width() * 2).arg(window.height() * 2),
                       QStringLiteral("4 × the window (%1 × %2)").arg(window.width() * 4).arg(window.height() * 4),
                       QStringLiteral("Other")});
    form->addRow(QStringLiteral("&Size:"), preset_);

    width_ = new QSpinBox(this);
    height_ = new QSpinBox(this);
    for (QSpinBox* side : {width_, height_}) side->setRange(1, largestSide_);
    width_->setObjectName(QStringLiteral("PictureWidth"));
    height_->setObjectName(QStringLiteral("PictureHeight"));
    auto* sides = new QHBoxLayout;
    sides->addWidget(width_);
    sides->addWidget(new QLabel(QStringLiteral("×"), this));
    sides->addWidget(height_);
    form->addRow(QStringLiteral("Width × height:"), sides);

    supersample_ = new QSpinBox(this);
    supersample_->setObjectName(QStringLiteral("Supersample"));
    supersample_->setRange(1, kind.supersampleMax);
    supersample_->setValue(std::clamp(kind.supersample, 1, kind.supersampleMax));
    supersample_->setToolTip(kind.supersampleTip);
    if (kind.supersampleOff.isEmpty()) {
        form->addRow(kind.supersampleCaption, supersample_);
    } else {
        supersample_->setEnabled(false);
        auto* off = new QLabel(kind.supersampleOff, this);
        off->setObjectName(QStringLiteral("SupersampleOff"));
        off->setWordWrap(true);
        auto* row = new QHBoxLayout;
        row->addWidget(supersample_);
        row->addWidget(off, 1);
        auto* caption = new QLabel(kind.supersampleCaption, this);
        caption->setBuddy(supersample_);
        form->addRow(caption, row);
    }

    format_ = new QComboBox(this);
    format_->setObjectName(QStringLiteral("Format"));
    format_->addItems({QStringLiteral("PNG"), QStringLiteral("JPEG"), QStringLiteral("BMP")});
    form->addRow(QStringLiteral("&Format:"), format_);

    quality_ = new QSpinBox(this);
    quality_->setObjectName(QStringLiteral("Quality"));
    quality_->setRange(1, 100);
    quality_->setValue(std::clamp(quality, 1, 100));
    form->addRow(QStringLiteral("JPEG &quality:"), quality_);

    path_ = new QLineEdit(startPath, this);
    path_->setObjectName(QStringLiteral("FileName"));
    path_->setMinimumWidth(320);
    auto* browse = new QPushButton(QStringLiteral("&Browse..."), this);
    auto* file = new QHBoxLayout;
    file->addWidget(path_);
    file->addWidget(browse);
    form->addRow(QStringLiteral("File name:"), file);

    pixels_ = new QLabel(this);
    form->addRow(QString(), pixels_);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Cancel, this);
    render_ = buttons->addButton(QStringLiteral("&Render"), QDialogButtonBox::AcceptRole);
    render_->setDefault(true);
    auto* layout = new QVBoxLayout(this);
    if (!refusal.isEmpty()) {
        auto* why = new QLabel(refusal, this);
        why->setObjectName(QStringLiteral("Refusal"));
        why->setWordWrap(true);
        layout->addWidget(why);
        render_->setEnabled(false);
    }
    layout->addLayout(form);
    layout->addWidget(buttons);

    connect(preset_, &QComboBox::activated, this, &RenderFileDialog::presetChosen);
    connect(format_, &QComboBox::currentIndexChanged, this, &RenderFileDialog::formatChosen);
    connect(browse, &QPushButton::clicked, this, &RenderFileDialog::browse);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto told = [this] {
        showSummary();
        const QSize typed(width_->value(), height_->value());
        int match = 5;
        for (int i = 0; i < 5 && match == 5; ++i)
            if (Preset(i, window_) == typed) match = i;
        preset_->setCurrentIndex(match);
    };
    for (QSpinBox* box : {width_, height_, supersample_}) connect(box, &QSpinBox::valueChanged, this, told);
    connect(path_, &QLineEdit::textChanged, this, [this, refused = !refusal.isEmpty()](const QString& text) {
        render_->setEnabled(!refused && !text.trimmed().isEmpty());
    });
    presetChosen(1);
    formatChosen(0);
}

void RenderFileDialog::presetChosen(int index) {
    const QSize size = Preset(index, window_);
    if (size.isEmpty()) return;
    width_->setValue(std::min(size.width(), largestSide_));
    height_->setValue(std::min(size.height(), largestSide_));
}

void RenderFileDialog::addSettingRow(const QString& label, QWidget* field) {
    // After size (two rows), supersampling and the rows added before.
    form_->insertRow(3 + settingRows_++, label, field);
}

QString RenderFileDialog::summary() const {
    const int n = supersample_->value();
    const double drawn = double(width_->value()) * height_->value() * n * n / 1e6;
    return QStringLiteral("%1 megapixels computed").arg(drawn, 0, 'f', 1);
}

void RenderFileDialog::showSummary() { pixels_->setText(summary()); }

void RenderFileDialog::formatChosen(int index) {
    quality_->setEnabled(index == Jpeg);
    // The file's extension follows the format.
    QString path = path_->text();
    const QFileInfo info(path);
    const QString ext = QString::fromLatin1(kExtensions[index]);
    if (info.suffix().isEmpty()) path += QLatin1Char('.') + ext;
    else path = path.left(path.size() - info.suffix().size()) + ext;
    path_->setText(path);
}

void RenderFileDialog::browse() {
    const QString path = AskPictureSavePath(this, QStringLiteral("Render to File"), path_->text());
    if (path.isEmpty()) return;
    const QString ext = QFileInfo(path).suffix().toLower();
    path_->setText(path);
    if (ext == QLatin1String("png")) format_->setCurrentIndex(Png);
    else if (ext == QLatin1String("jpg") || ext == QLatin1String("jpeg")) format_->setCurrentIndex(Jpeg);
    else if (ext == QLatin1String("bmp")) format_->setCurrentIndex(Bmp);
    formatChosen(format_->currentIndex());
}

RenderFileChoice RenderFileDialog::choice() const {
    RenderFileChoice c;
    c.width = width_->value();
    c.height = height_->value();
    c.supersample = supersample_->value();
    c.format = format_->currentIndex();
    c.quality = quality_->value();
    c.path = path_->text();
    return c;
}

}  // namespace zarvo
