// Base of the program's small tool dialogs: a single instance created at
// start-up, a tool window that stays on top of the other windows, never
// modal, shown and hidden by a toggling command.
#pragma once

#include <QDialog>

namespace zarvo {

class ToolDialog : public QDialog {
    Q_OBJECT
public:
    explicit ToolDialog(const QString& caption, QWidget* parent = nullptr);

    // Shows the dialog when it is hidden, hides it when it is shown.
    void toggle();

    // Escape, the title-bar close button and OK-less closing all end here.
    void reject() override;

protected:
    // Hooks around showing and hiding; by default they do nothing.
    virtual void beforeShow() {}
    virtual void afterShow() {}
    virtual void beforeHide() {}
};

}  // namespace zarvo
