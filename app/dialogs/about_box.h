// The About box: program title, author line and a link to the project page.
#pragma once

#include "tool_dialog.h"

class QPushButton;

namespace zarvo {

class LinkPanel;

class TAboutBox : public ToolDialog {
    Q_OBJECT
public:
    static const char* const projectAddress;  // the page the link opens

    explicit TAboutBox(QWidget* parent = nullptr);

    LinkPanel* linkPanel() const { return link_; }

signals:
    // "Help": run the main frame's Help command.
    void helpRequested();

protected:
    void beforeShow() override;  // centres the box on the screen

private:
    LinkPanel* link_;
    QPushButton* OKButton;
    QPushButton* HelpButton;
};

}  // namespace zarvo
