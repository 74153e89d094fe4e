// Messages of the libraries and of the program itself, shown to the user in
// modal message boxes, and the program's yes/no questions. Tests switch the
// boxes off, read the messages and questions and set the answer.
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
    // A yes/no question; true for Yes. While quiet, `answer` is given.
    bool ask(const std::string& question);

    // While quiet, messages are only kept (no box is shown).
    void setQuiet(bool quiet) { quiet_ = quiet; }
    void setParent(QWidget* parent) { parent_ = parent; }

    std::vector<std::string> messages;
    std::vector<std::string> questions;
    bool answer = true;

private:
    QWidget* parent_;
    bool quiet_ = false;
};

}  // namespace zarvo
