// "Render to File": the size, supersampling, format and file of a picture
// drawn in the background. The size is picked from presets (wallpaper and
// poster sizes, twice and four times the window) or typed, up to 65500 a
// side. When the picture cannot be drawn beside the window (`refusal` not
// empty) the dialog says why and offers no Render. A kind of picture with
// other limits or settings of its own (the attractor's) gives a
// RenderFileKind and adds its rows.
#pragma once

#include <QDialog>
#include <QSize>

class QComboBox;
class QFormLayout;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

namespace zarvo {

struct RenderFileChoice {
    int width = 0;
    int height = 0;
    int supersample = 1;
    int format = 0;  // RenderFileDialog::Png, Jpeg or Bmp
    int quality = 85;
    QString path;
};

// What differs between the kinds of picture the dialog is used for.
struct RenderFileKind {
    int largestSide = 65500;  // the largest side a JPEG picture can have
    QString supersampleCaption = QStringLiteral("Su&persampling:");
    int supersampleMax = 8;
    int supersample = 1;
    QString supersampleTip = QStringLiteral(
        "Each pixel is the average of N × N pixels (in linear light): smooth edges, N² times the work.");
    // Not empty: supersampling does nothing for this picture; the control
    // is off and this text says why.
    QString supersampleOff;
};

class RenderFileDialog : public QDialog {
    Q_OBJECT
public:
    enum Format { Png, Jpeg, Bmp };
    RenderFileDialog(QSize window, const QString& startPath, int quality, const QString& refusal,
                     QWidget* parent = nullptr, const RenderFileKind& kind = RenderFileKind());
    RenderFileChoice choice() const;

protected:
    // Adds a row after supersampling (and the rows added before it).
    void addSettingRow(const QString& label, QWidget* field);
    // The line under the settings: what the picture costs. Called whenever
    // size or supersampling change; a kind with settings of its own calls
    // showSummary when those change.
    virtual QString summary() const;
    void showSummary();

private:
    void presetChosen(int index);
    void formatChosen(int index);
    void browse();

    QSize window_;
    int largestSide_;
    QFormLayout* form_;
    int settingRows_ = 0;
    QComboBox* preset_;
    QSpinBox* width_;
    QSpinBox* height_;
    QSpinBox* supersample_;
    QComboBox* format_;
    QSpinBox* quality_;
    QLineEdit* path_;
    QLabel* pixels_;
    QPushButton* render_;
};

}  // namespace zarvo
