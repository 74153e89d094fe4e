#include "galleries.h"

#include <QThread>

#ifdef __linux__
#include <sys/resource.h>
#include <sys/syscall.h>
#include <unistd.h>
#endif

#include "main_form.h"
#include "mdi_child.h"
#include "menu_captions.h"
#include "picture_window.h"
#include "plugin_library.h"
#include "thumbnail_gallery.h"

namespace zarvo {

namespace {

QList<ThumbnailGallery::Choice> MethodChoices() {
    QList<ThumbnailGallery::Choice> choices;
    for (const MenuCaption& r : RenderMethodCaptions()) {
        const QString caption = QString::fromLatin1(r.caption);
        choices.append({r.value, caption.left(20), caption});
    }
    return choices;
}

QList<ThumbnailGallery::Choice> BlendChoices() {
    QList<ThumbnailGallery::Choice> choices;
    for (const MenuCaption& b : BlendCaptions())
        for (const MenuCaption& o : RgbOrderCaptions()) {
            const QString caption =
                QString::fromLatin1(b.caption) + QStringLiteral("  ") + QString::fromLatin1(o.caption);
            choices.append({BlendChoice(b.value, o.value), caption, QStringLiteral("Blend ") + caption});
        }
    return choices;
}

// Lowers the calling pool thread below the window's drawing, once. The
// toolkit's thread priorities do nothing for ordinary threads on Linux (and
// its idle priority starves them on a busy machine), but a thread's own
// nice value there gives it a small share of a processor the drawing wants.
void BelowTheDrawing() {
#ifdef __linux__
    thread_local bool lowered = false;
    if (!lowered) setpriority(PRIO_PROCESS, static_cast<id_t>(syscall(SYS_gettid)), 10);
    lowered = true;
#endif
}

}  // namespace

Galleries::Galleries(TMainForm& main)
    : QObject(&main), main_(main), given_up_(std::make_shared<std::atomic<bool>>(false)) {
    const QSize size(pictureWidth, pictureHeight);
    methods_ = new ThumbnailGallery(QStringLiteral("Render Method Gallery"), size, 6, MethodChoices(), &main);
    methods_->setObjectName(QStringLiteral("MethodGallery"));
    blends_ = new ThumbnailGallery(QStringLiteral("Blend Gallery"), size, 6, BlendChoices(), &main);
    blends_->setObjectName(QStringLiteral("BlendGallery"));
    pool_.setThreadPriority(QThread::LowestPriority);
    pool_.setMaxThreadCount(std::max(1, QThread::idealThreadCount()));
}

Galleries::~Galleries() { stop(); }

void Galleries::stop() {
    // Jobs given up end at once, without computing.
    given_up_->store(true);
    given_up_ = std::make_shared<std::atomic<bool>>(false);
    pool_.waitForDone();
}

void Galleries::outdated() {
    given_up_->store(true);
    given_up_ = std::make_shared<std::atomic<bool>>(false);
    methods_->fadePictures();
    blends_->fadePictures();
}

QString Galleries::whyNoPictures(TMDIChild* child) const {
    if (!child) return QStringLiteral("No fractal window is open.");
    if (main_.parameters().vantrelFormulaMode != 0)
        return QStringLiteral("The pixels come from the Vantrel formula; close the Vantrel view to see pictures here.");
    if (!child->view().plugin.reentrant() || !child->view().plugin.hasFormula())
        return QStringLiteral("The formula plug-in cannot compute pictures beside a drawing.");
    return QString();
}

void Galleries::refresh(TMDIChild* child) {
    TListForm* list = main_.dialogs().list;
    const bool methodsShown = methods_->isVisible(), blendsShown = blends_->isVisible();
    const bool listShown = list && list->isVisible();
    if (!methodsShown && !blendsShown && !listShown) return;
    outdated();
    const ParameterSet& ps = main_.parameters();
    methods_->setCurrent(ps.renderMethod);
    blends_->setCurrent(BlendChoice(ps.blendMethod, ps.rgbOrder));
    QString why = whyNoPictures(child);
    // A library handle of the galleries' own keeps the formula loaded while
    // pictures are computed, whatever the window does with its own.
    auto library = std::make_shared<PluginLibrary>();
    if (why.isEmpty() && !library->load(child->view().plugin.path()))
        why = QStringLiteral("The formula plug-in could not be loaded again.");
    methods_->setNote(why);
    blends_->setNote(why);
    if (!why.isEmpty()) return;

    const ScanPlan view = ThumbnailPlan(ps, pictureWidth, pictureHeight);
    if (blendsShown) {
        // One picture's results, coloured thirty ways.
        compute(view, library, [this, colours = view.record](const Thumbnail& t) {
            FormulaRecord rec = colours;
            for (const MenuCaption& b : BlendCaptions())
                for (const MenuCaption& o : RgbOrderCaptions()) {
                    rec.blendMethod = b.value;
                    rec.rgbOrder = o.value;
                    blends_->setPicture(BlendChoice(b.value, o.value), ToQImage(ColourThumbnail(t, rec)));
                }
        });
    }
    if (methodsShown)
        for (const MenuCaption& r : RenderMethodCaptions()) {
            ScanPlan plan = view;
            plan.record.renderMethod = r.value;
            compute(plan, library, [this, m = r.value, colours = plan.record](const Thumbnail& t) {
                methods_->setPicture(m, ToQImage(ColourThumbnail(t, colours)));
            });
        }
    if (listShown) {
        // A formula picked from the list starts in the parameter plane.
        ScanPlan formulas = ThumbnailPlan(ps, formulaWidth, formulaHeight);
        formulas.form = JuliaForm::ParameterPlane;
        formulas.record.juliaMode = formulas.record.juliaConstantSet = formulas.record.inverseFormula = 0;
        for (int i = 0; i < ps.formulaCount; ++i) {
            ScanPlan plan = formulas;
            plan.record.formulaIndex = i;
            compute(plan, library, [this, i, colours = plan.record](const Thumbnail& t) {
                if (TListForm* l = main_.dialogs().list) l->setThumbnail(i, ToQImage(ColourThumbnail(t, colours)));
            });
        }
    }
}

void Galleries::compute(const ScanPlan& plan, const std::shared_ptr<PluginLibrary>& library,
                        std::function<void(const Thumbnail&)> shown) {
    std::shared_ptr<std::atomic<bool>> givenUp = given_up_;
    ++pending_;
    pool_.start([this, plan, library, givenUp, shown = std::move(shown)] {
        BelowTheDrawing();
        Thumbnail t;
        if (!givenUp->load()) t = ComputeThumbnail(plan, library->formulaEntry(), givenUp.get());
        // Shown on the user-interface thread, unless given up meanwhile.
        QMetaObject::invokeMethod(
            this,
            [this, t = std::move(t), givenUp, shown] {
                --pending_;
                // A picture that a fault ended is shown as far as it got.
                if (!givenUp->load() && (t.complete() || t.faulted)) shown(t);
            },
            Qt::QueuedConnection);
    });
}

}  // namespace zarvo
