// The formula list: every formula of the plug-in bound to the active
// fractal window, with its title and description; clicking a row makes it
// the formula the windows draw.
#pragma once

#include <QDialog>

class QTableWidget;

namespace zarvo {

struct ParameterSet;
class FractalView;

class TListForm : public QDialog {
    Q_OBJECT
public:
    explicit TListForm(QWidget* parent = nullptr);

    // Refills the rows from the plug-in of `view`, asking it for the texts
    // of each formula 0 .. formulaCount - 1. The current formula stays the
    // current one; its row is selected and checked.
    void UpdateListView(FractalView& view);

    // Picks the formula of the selected row (nothing when no row is selected).
    void ListView1Click();

    QTableWidget* list() const { return ListView1; }

    // A small picture of formula `row` at the current view, beside its title.
    void setThumbnail(int row, const QImage& picture);

signals:
    // A formula was picked: the active window resets its view and redraws.
    void formulaPicked();

private:
    void InitHeader();
    void fitColumnsToTexts();

    QTableWidget* ListView1;
    ParameterSet* record_ = nullptr;  // the record the rows were filled from
};

}  // namespace zarvo
