// The one way the computing libraries tell the user something. The desktop
// program shows each message in a message box; the command-line renderer
// prints it; tests collect it.
#pragma once

#include <string>
#include <vector>

namespace zarvo {

class Reporter {
public:
    virtual ~Reporter() = default;
    virtual void message(const std::string& text) = 0;
};

// Keeps every message; used by tests and by batch tools.
class CollectingReporter : public Reporter {
public:
    void message(const std::string& text) override { messages.push_back(text); }
    std::vector<std::string> messages;
};

// Drops everything.
class SilentReporter : public Reporter {
public:
    void message(const std::string&) override {}
};

}  // namespace zarvo
