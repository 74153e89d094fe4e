// The parameter dialog's menus, tool bar and commands.
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QToolBar>

#include "formula_table.h"
#include "attractor_params_dialog.h"
#include "attractor_state.h"
#include "attractor_view.h"

namespace zarvo {

namespace {

// A die showing five: the glyph of "Draw Random".
QIcon DieGlyph() {
    QPixmap pm(24, 24);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(QColor(40, 40, 40), 1.5));
    p.setBrush(QColor(250, 250, 245));
    p.drawRoundedRect(QRectF(3, 3, 18, 18), 4, 4);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 20, 20));
    for (const QPointF& c : {QPointF(8, 8), QPointF(16, 8), QPointF(12, 12), QPointF(8, 16), QPointF(16, 16)})
        p.drawEllipse(c, 1.8, 1.8);
    return QIcon(pm);
}

}  // namespace

void Tvtl_params1::buildMenus(QMenuBar* bar) {
    std::array<QMenu*, 5> menus{};
    for (size_t m = 0; m < menus.size(); ++m) {
        menus[m] = bar->addMenu(QString::fromLatin1(attractor::FormulaMenuTitles()[m]));
        // Long captions: keep the menus scrollable on small screens.
        menus[m]->setStyleSheet(QStringLiteral("QMenu { menu-scrollable: 1; }"));
    }
    auto* group = new QActionGroup(this);
    group->setExclusionPolicy(QActionGroup::ExclusionPolicy::ExclusiveOptional);
    for (const attractor::AttractorFormula& f : attractor::AttractorFormulas()) {
        if (f.menu < 0) continue;
        QAction* a = menus[static_cast<size_t>(f.menu)]->addAction(QString::fromLatin1(f.caption));
        a->setObjectName(QStringLiteral("Draw%1").arg(f.number, 2, 10, QLatin1Char('0')));
        a->setCheckable(true);
        a->setEnabled(f.enabled);
        group->addAction(a);
        const int n = f.number;
        connect(a, &QAction::triggered, this, [this, n] { DrawClick(n); });
        formulaItems_[static_cast<size_t>(n)] = a;
    }

    QMenu* effects = bar->addMenu(QString::fromLatin1(attractor::EffectsMenuTitle()));
    for (size_t k = 0; k < attractor::EffectItems().size(); ++k) {
        QAction* a = effects->addAction(QString::fromLatin1(attractor::EffectItems()[k].caption));
        a->setCheckable(true);
        const int index = static_cast<int>(k);
        connect(a, &QAction::triggered, this, [this, index] { EffectClick(index); });
        effectItems_[k] = a;
    }

    // The program's own tools, after the described menus.
    QMenu* tools = bar->addMenu(QStringLiteral("T&ools"));
    tools->setObjectName(QStringLiteral("ToolsMenu"));
    QAction* render = tools->addAction(QStringLiteral("Render to &File..."));
    render->setObjectName(QStringLiteral("RenderToFile"));
    // Not the fractal windows' Ctrl+Shift+R: a tool window also takes the
    // keys of the main frame, so that key would be ambiguous here.
    render->setShortcut(Qt::CTRL | Qt::SHIFT | Qt::Key_E);
    addAction(render);  // the key works wherever the dialog has the focus
    connect(render, &QAction::triggered, this, [this] {
        if (view_) view_->RenderToFileClick();
    });
}

QToolBar* Tvtl_params1::buildToolBar() {
    auto* bar = new QToolBar(this);
    bar->setObjectName(QStringLiteral("ToolBar1"));
    bar->setIconSize(QSize(24, 24));
    bar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    QStyle* style = QApplication::style();
    auto button = [&](const QString& hint, const QIcon& icon, auto slot) {
        QAction* a = bar->addAction(icon, hint);
        a->setObjectName(hint);
        a->setToolTip(hint);
        a->setStatusTip(hint);
        connect(a, &QAction::triggered, this, slot);
    };
    button(QStringLiteral("Close"), style->standardIcon(QStyle::SP_DialogCloseButton), [this] { CloseClick(); });
    button(QStringLiteral("Stop"), style->standardIcon(QStyle::SP_MediaStop), [this] { StopClick(); });
    button(QStringLiteral("Reset"), style->standardIcon(QStyle::SP_BrowserReload), [this] { ResetClick(); });
    button(QStringLiteral("Draw Random"), DieGlyph(), [this] { DrawRandomClick(); });
    button(QStringLiteral("Apply (Start Over)"), style->standardIcon(QStyle::SP_MediaPlay), [this] { ApplyClick(); });
    return bar;
}

QAction* Tvtl_params1::formulaItem(int number) const {
    if (number < 1 || number > attractor::formulaCountVantrel) return nullptr;
    return formulaItems_[static_cast<size_t>(number)];
}

void Tvtl_params1::UpdateMenuItems() {
    for (size_t k = 0; k < effectItems_.size(); ++k)
        effectItems_[k]->setChecked(ps_.*(attractor::EffectItems()[k].flag) != 0);
    const int marked = attractor::CheckedFormulaItem(ps_.formulaIndex);
    for (QAction* a : formulaItems_)
        if (a) a->setChecked(false);
    if (QAction* a = formulaItem(marked)) a->setChecked(true);
}

// ---- commands ----

void Tvtl_params1::ApplyClick() {
    ps_.stopFlag = flagOn;
    if (!view_) return;
    view_->StartTimer1();
    view_->DrawDefaultImage();
    view_->CreateTList();
}

void Tvtl_params1::DrawRandomClick() {
    ps_.drawRandom = flagOn;
    ApplyClick();
}

void Tvtl_params1::ResetClick() {
    if (view_) view_->ResetCoordinates();
    else attractor::ResetCoordinates(ps_);
    ApplyClick();
}

void Tvtl_params1::StopClick() {
    if (view_) view_->StopClick();
    else ps_.stopFlag = flagOn;
}

void Tvtl_params1::CloseClick() { reject(); }

void Tvtl_params1::DrawClick(int number) {
    ps_.formulaIndex = number;
    UpdateMenuItems();
    DrawRandomClick();
}

void Tvtl_params1::EffectClick(int index) {
    int32_t& flag = ps_.*(attractor::EffectItems()[static_cast<size_t>(index)].flag);
    flag = flag != 0 ? 0 : flagOn;
    UpdateMenuItems();
    // The run restarts from the start point, on the same picture.
    ps_.stopFlag = flagOn;
    if (view_) view_->StartTimer1();
}

}  // namespace zarvo
