// The file choices the program asks the user for. The main frame holds one
// of these; tests put in their own to answer without a dialog.
#pragma once

#include <QString>

class QWidget;

namespace zarvo {

class FileDialogs {
public:
    virtual ~FileDialogs() = default;
    // Each returns the chosen full path, or an empty string on Cancel.
    virtual QString openParameterFile(QWidget* parent);
    virtual QString openPicture(QWidget* parent);
    // startName: proposed file name (no folder). A name typed without an
    // extension gets ".jpg".
    virtual QString savePicture(QWidget* parent, const QString& startName);
    virtual QString openHelpPage(QWidget* parent, const QString& helpFolder);
};

// The folder of the help pages: "help" beside the program, or in one of
// the folders above it (a build tree), or in the current directory.
QString HelpFolder();

}  // namespace zarvo
