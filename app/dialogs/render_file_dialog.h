// "Render to File": the size, supersampling, format and file of a picture
// drawn in the background. The size is picked from presets (wallpaper and
// poster sizes, twice and four times the window) or typed, up to 65500 a
// side. When the picture cannot be drawn beside the window (`refusal` not
// empty) the dialog says why and offers no Render.
#pragma once

#include <QDialog>
#include <QSize>

class QComboBox;
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

class RenderFileDialog : public QDialog {
    Q_OBJECT
public:
    enum Format { Png, Jpeg, Bmp };
    RenderFileDialog(QSize window, const QString& startPath, int quality, const QString& refusal,
                     QWidget* parent = nullptr);
    RenderFileChoice choice() const;

private:
    void presetChosen(int index);
    void formatChosen(int index);
    void browse();

    QSize window_;
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
