// The file questions of the attractor view: where to save the picture and
// which parameter file to load. Tests replace them with fixed answers.
#pragma once

#include <QString>

class QWidget;

namespace zarvo {

class AttractorFileDialogs {
public:
    virtual ~AttractorFileDialogs() = default;
    // Picture-save dialog: JPEG or BMP, proposed name "zarvo_", default
    // extension "jpg". Empty when the user cancels.
    virtual QString savePicture(QWidget* parent);
    // Open dialog for "Vantrl parameter files (*.vtl)". Empty on cancel.
    virtual QString openParameterFile(QWidget* parent);
};

}  // namespace zarvo
