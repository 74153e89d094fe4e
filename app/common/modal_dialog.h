// Modal dialogs and message boxes of the program. The tool dialogs and the
// attractor view stay on top of the main frame; a modal dialog that were
// only a child of the frame would open underneath them, out of sight, and
// the program would seem frozen. Every modal dialog therefore runs through
// ExecOnTop: above every window of the program, centred on the main frame,
// with the keyboard focus.
#pragma once

#include <QString>

class QDialog;
class QFileDialog;
class QWidget;

namespace zarvo {

// The main frame that `from` belongs to: its top-level window, or, for a
// tool window, the window that owns it. Falls back to the application's
// active window when `from` is null.
QWidget* ModalAnchor(QWidget* from);

// Runs `dialog` (created with ModalAnchor(...) as parent) modally above
// every window of the program, centred on the main frame, focused.
// Returns what exec() returns.
int ExecOnTop(QDialog& dialog);

// A file dialog as the program shows them: the toolkit's own dialog (so it
// can be kept on top and sized), large enough that names, sizes and dates
// are read without widening a column.
void PrepareFileDialog(QFileDialog& dialog);

// An open dialog for one existing file; empty on Cancel. It opens in the
// folder it was last left in (remembered by its title).
QString AskOpenFile(QWidget* from, const QString& title, const QString& filter);

}  // namespace zarvo
