#include "list_form.h"

#include <QFont>
#include <QHeaderView>
#include <QScreen>
#include <QScrollBar>
#include <algorithm>
#include <QTableWidget>
#include <QVBoxLayout>

#include "fractal_view.h"

namespace zarvo {

namespace {

// The columns' widths when the dialog is created, and their least widths.
constexpr int kColumnWidths[2] = {400, 200};

QString Text(const char* s) { return s ? QString::fromLocal8Bit(s) : QString(); }

QTableWidgetItem* ReadOnlyItem(const QString& text) {
    auto* item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsSelectable | Qt::ItemIsEnabled);
    return item;
}

}  // namespace

TListForm::TListForm(QWidget* parent) : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint) {
    setWindowTitle(QStringLiteral("Formula Selection"));
    setModal(false);
    resize(606, 274);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    ListView1 = new QTableWidget(this);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    layout->addWidget(ListView1);
    QFont font(QStringLiteral("Courier New"));
    font.setStyleHint(QFont::Monospace);
    ListView1->setFont(font);
    ListView1->setShowGrid(true);
    ListView1->setSelectionBehavior(QAbstractItemView::SelectRows);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->verticalHeader()->hide();
    // Rows high enough for the formulas' small pictures.
    ListView1->setIconSize(QSize(48, 32));
    ListView1->verticalHeader()->setDefaultSectionSize(std::max(ListView1->fontMetrics().height() + 6, 36));
    InitHeader();
    connect(ListView1, &QTableWidget::cellClicked, this, [this](int, int) { ListView1Click(); });
}

void TListForm::InitHeader() {
    ListView1->setColumnCount(2);
    ListView1->setHorizontalHeaderLabels({QStringLiteral("Title"), QStringLiteral("Description")});
    ListView1->setColumnWidth(0, kColumnWidths[0]);
    ListView1->setColumnWidth(1, kColumnWidths[1]);
    ListView1->horizontalHeader()->setStretchLastSection(true);
    ListView1->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
}

void TListForm::UpdateListView(FractalView& view) {
    ParameterSet& rec = view.ps;
    record_ = &rec;
    ListView1->clearContents();
    ListView1->setRowCount(0);
    const int32_t remembered = rec.formulaIndex;
    const char* const savedTitle = rec.formulaTitle;
    const char* const savedDescription = rec.formulaDescription;
    ListView1->horizontalHeaderItem(0)->setText(QStringLiteral("Formula file: ") + Text(rec.pluginFileName));

    const int count = rec.formulaCount > 0 ? rec.formulaCount : 0;
    ListView1->setRowCount(count);
    for (int i = 0; i < count; ++i) {
        rec.formulaIndex = i;
        rec.formulaTitle = nullptr;
        rec.formulaDescription = nullptr;
        view.GetDLLDescriptions();
        auto* title = ReadOnlyItem(QString::number(i) + QStringLiteral(": ") + Text(rec.formulaTitle));
        title->setData(Qt::CheckStateRole, i == remembered ? Qt::Checked : Qt::Unchecked);
        ListView1->setItem(i, 0, title);
        ListView1->setItem(i, 1, ReadOnlyItem(Text(rec.formulaDescription)));
    }
    // Opening the list changes nothing: index and texts as they were.
    rec.formulaIndex = remembered;
    rec.formulaTitle = savedTitle;
    rec.formulaDescription = savedDescription;
    fitColumnsToTexts();
    if (remembered >= 0 && remembered < count) {
        ListView1->selectRow(remembered);
        ListView1->scrollToItem(ListView1->item(remembered, 0));
    } else {
        ListView1->clearSelection();
    }
}

void TListForm::fitColumnsToTexts() {
    // Titles and descriptions are read whole, without widening a column or
    // scrolling sideways: each column is at least as wide as its texts, and
    // the dialog grows to show both (as far as the screen allows).
    QHeaderView* header = ListView1->horizontalHeader();
    int needed = 2 * ListView1->frameWidth() + ListView1->verticalScrollBar()->sizeHint().width();
    for (int c = 0; c < ListView1->columnCount(); ++c) {
        ListView1->resizeColumnToContents(c);
        const int width = std::max({kColumnWidths[c], ListView1->columnWidth(c), header->sectionSizeHint(c)});
        ListView1->setColumnWidth(c, width);
        needed += width;
    }
    needed += layout()->contentsMargins().left() + layout()->contentsMargins().right();
    if (const QScreen* s = screen()) needed = std::min(needed, s->availableGeometry().width() * 19 / 20);
    if (needed > width()) resize(needed, height());
}

void TListForm::setThumbnail(int row, const QImage& picture) {
    if (QTableWidgetItem* item = ListView1->item(row, 0)) item->setIcon(QPixmap::fromImage(picture));
}

void TListForm::ListView1Click() {
    const auto selected = ListView1->selectionModel()->selectedRows();
    if (selected.isEmpty() || !record_) return;
    const int row = selected.first().row();
    record_->formulaIndex = row;
    for (int i = 0; i < ListView1->rowCount(); ++i) {
        if (QTableWidgetItem* item = ListView1->item(i, 0))
            item->setData(Qt::CheckStateRole, i == row ? Qt::Checked : Qt::Unchecked);
    }
    ListView1->selectRow(row);
    record_->juliaMode = 0;
    record_->juliaConstantSet = 0;
    record_->inverseFormula = 0;
    emit formulaPicked();
}

}  // namespace zarvo
