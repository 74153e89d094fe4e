// Messages of the libraries and of the program itself, shown to the user in
// modal message boxes. Tests switch the boxes off and read the messages.
#pragma once

#include <string>
#include <vector>

#include "reporter.h"

class QWidget;

namespace zarvo {

class MessageBoxReporter : public Reporter {
public:
    explicit MessageBoxReporter(QWidget* parent = nullptr) : parent_(parent) {}

    void message(const std::string& text) override;

    // While quiet, messages are only kept (no box is shown).
    void setQuiet(bool quiet) { quiet_ = quiet; }
    void setParent(QWidget* parent) { parent_ = parent; }

    std::vector<std::string> messages;

private:
    QWidget* parent_;
    bool quiet_ = false;
};

}  // namespace zarvo
