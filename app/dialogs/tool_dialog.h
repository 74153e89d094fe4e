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
    // Where the dialog first appears, given the main window's frame in
    // screen coordinates and the dialog's own size; a null point leaves the
    // toolkit's choice (centred over the main window). Later shows keep
    // wherever the user moved the dialog, and so does the next run.
    virtual QPoint homeSpot(const QRect& frame, const QSize& size) const;
    // Near the right edge of the frame, `top` pixels below its top.
    static QPoint alongRightEdge(const QRect& frame, const QSize& size, int top);

    // Where the dialog was is remembered for the next run.
    void hideEvent(QHideEvent* event) override;

    // Hooks around showing and hiding; by default they do nothing.
    virtual void beforeShow() {}
    virtual void afterShow() {}
    virtual void beforeHide() {}

private:
    void placeFirstTime();
    QString placeKey() const;
    bool placed_ = false;
};

}  // namespace zarvo
