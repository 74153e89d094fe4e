// What a new user meets around the pictures: modal boxes above the tool
// windows, messages for what failed, the enabled state of Stop Drawing,
// window placement and the keyboard.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QMdiArea>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QTableWidget>
#include <QTest>
#include <QTimer>

#include "app_fixture.h"
#include "attractor_file_dialogs.h"
#include "link_panel.h"

namespace zarvo::test {
namespace {

// Runs `open`, which shows a modal dialog, and hands that dialog to
// `inspect` before closing it.
void InspectModal(const std::function<void()>& open, const std::function<void(QWidget*)>& inspect) {
    bool seen = false;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || !modal->isVisible()) return;
        poll.stop();
        seen = true;
        inspect(modal);
        if (auto* d = qobject_cast<QDialog*>(modal)) d->reject();
    });
    poll.start();
    open();
    EXPECT_TRUE(seen);
}

TEST_F(AppTest, ModalBoxesOpenAboveTheToolWindowsOnTheFrame) {
    form->reporter().setQuiet(false);
    Tvtl_params1* toolDialog = form->dialogs().vantrelParams;
    toolDialog->toggle();
    auto onTopOfFrame = [this](QWidget* modal) {
        EXPECT_TRUE(modal->windowFlags() & Qt::WindowStaysOnTopHint);
        EXPECT_EQ(modal->windowModality(), Qt::ApplicationModal);
        EXPECT_EQ(modal->parentWidget(), form.get());
    };
    // Messages are warnings, questions ask.
    InspectModal([this] { form->reporter().message("Error reading parameter file"); },
                 [&](QWidget* modal) {
                     onTopOfFrame(modal);
                     ASSERT_NE(qobject_cast<QMessageBox*>(modal), nullptr);
                     EXPECT_EQ(qobject_cast<QMessageBox*>(modal)->icon(), QMessageBox::Warning);
                 });
    InspectModal([this] { form->reporter().ask("Replace?"); },
                 [&](QWidget* modal) {
                     onTopOfFrame(modal);
                     EXPECT_EQ(qobject_cast<QMessageBox*>(modal)->icon(), QMessageBox::Question);
                 });
    // File dialogs asked for from a tool window belong to the frame, and
    // are the toolkit's own, so that they can be kept on top.
    FileDialogs frameFiles;
    AttractorFileDialogs viewFiles;
    const std::function<void()> asks[] = {
        [&] { frameFiles.openParameterFile(toolDialog); },
        [&] { frameFiles.savePicture(child, "zarvo_"); },
        [&] { frameFiles.openHelpPage(form->dialogs().about, HelpFolder()); },
        [&] { viewFiles.openParameterFile(form->dialogs().vantrel); },
    };
    for (const auto& ask : asks)
        InspectModal(ask, [&](QWidget* modal) {
            onTopOfFrame(modal);
            auto* files = qobject_cast<QFileDialog*>(modal);
            ASSERT_NE(files, nullptr);
            EXPECT_TRUE(files->testOption(QFileDialog::DontUseNativeDialog));
        });
}

TEST_F(AppTest, ALinkThatCannotBeOpenedSaysSo) {
    LinkPanel* link = form->dialogs().about->linkPanel();
    link->openUrl = [](const QUrl&) { return false; };
    form->HelpAboutItemClick();
    QTest::mouseClick(link, Qt::LeftButton);
    ASSERT_EQ(form->reporter().messages.size(), 1u);
    EXPECT_EQ(form->reporter().messages[0],
              std::string("No web browser could be started for ") + TAboutBox::projectAddress);
}

TEST_F(AppTest, StopDrawingIsEnabledExactlyWhileSomethingDraws) {
    QAction* stop = form->action("tool:Stop Drawing");
    EXPECT_FALSE(stop->isEnabled());
    // An attractor run.
    TVantrel* view = form->dialogs().vantrel;
    ASSERT_TRUE(view->isVisible());
    view->UpdateGrafX();
    ASSERT_TRUE(view->running());
    EXPECT_TRUE(stop->isEnabled());
    form->AbortClick();
    ASSERT_TRUE(WaitFor([&] { return !view->running(); }));
    EXPECT_FALSE(stop->isEnabled());
    // A fractal scan, seen from inside it.
    UseCountingPlugin(0);
    bool duringScan = false;
    QTimer::singleShot(0, form.get(), [&] { duringScan = stop->isEnabled(); });
    form->parameters().pictureWidth = 320;
    form->parameters().pictureHeight = 240;
    child->TP01Click();
    EXPECT_TRUE(duringScan);
    EXPECT_FALSE(stop->isEnabled());
    // A second window that only shows a picture.
    form->FileNewItemClick();
    ASSERT_TRUE(WaitFor([&] { return form->children().size() == 2; }));
    EXPECT_FALSE(stop->isEnabled());
}

TEST_F(AppTest, WindowsOpenInsideTheFrameAndCascadeKeepsTheirSizes) {
    form->resize(1000, 700);
    WaitFor([] { return false; }, 50);
    const QString path = QDir::temp().filePath("zarvo_app_test_place.bmp");
    QImage picture(700, 500, QImage::Format_RGB888);
    picture.fill(Qt::darkCyan);
    ASSERT_TRUE(picture.save(path));
    answers->answer = path;
    for (int i = 0; i < 3; ++i) {
        TMDIChild* viewer = form->FileOpenItemClick();
        ASSERT_TRUE(WaitFor([&] { return viewer->windowCaption == "zarvo_app_test_place.bmp"; }));
    }
    QFile::remove(path);
    const QRect room = form->mdiArea()->viewport()->rect();
    QList<QSize> sizes;
    for (QMdiSubWindow* w : form->mdiArea()->subWindowList()) {
        EXPECT_TRUE(room.contains(w->geometry())) << w->windowTitle().toStdString();
        sizes << w->size();
    }

    form->WindowCascadeClick();
    const QList<QMdiSubWindow*> after = form->mdiArea()->subWindowList();
    for (int i = 0; i < after.size(); ++i) {
        EXPECT_EQ(after[i]->size(), sizes[i]);
        EXPECT_TRUE(room.contains(after[i]->geometry()));
    }
    EXPECT_EQ(after[0]->pos(), QPoint(0, 0));
    EXPECT_GT(after[1]->pos().y(), 0);

    // The attractor view opens within the frame, wherever the frame went.
    form->VantrelViewClick();
    ASSERT_FALSE(form->dialogs().vantrel->isVisible());
    form->move(form->pos() + QPoint(600, 50));
    WaitFor([] { return false; }, 50);
    form->VantrelViewClick();
    ASSERT_TRUE(form->dialogs().vantrel->isVisible());
    EXPECT_TRUE(form->geometry().contains(form->dialogs().vantrel->frameGeometry()));
}

TEST_F(AppTest, TheFormulaListShowsWholeTitlesAndDescriptions) {
    form->FormulaButtomClick();  // the program's own plug-in, long texts
    TListForm* list = form->dialogs().list;
    QTableWidget* table = list->list();
    ASSERT_GT(table->rowCount(), 40);
    const QFontMetrics fm(table->font());
    int needed = 0;
    for (int c = 0; c < 2; ++c) {
        int widest = 0;
        for (int r = 0; r < table->rowCount(); ++r)
            widest = std::max(widest, fm.horizontalAdvance(table->item(r, c)->text()));
        EXPECT_GT(table->columnWidth(c), widest) << c;
        needed += table->columnWidth(c);
    }
    EXPECT_GE(list->width(), std::min(needed, list->screen()->availableGeometry().width() * 9 / 10));
}

TEST_F(AppTest, TheKeyboardReachesTheCommands) {
    UseCountingPlugin(0);
    form->activateWindow();
    ASSERT_TRUE(WaitFor([&] { return QApplication::activeWindow() == form.get(); }));
    // Captions stay as they are; the keys show beside them.
    QAction* apply = nullptr;
    for (QMenu* m : child->menus().menuBar)
        for (QAction* a : m->actions())
            if (a->text().remove('&') == "Apply") apply = a;
    ASSERT_NE(apply, nullptr);
    EXPECT_EQ(apply->shortcut(), QKeySequence(Qt::Key_F5));

    QTest::keyClick(form.get(), Qt::Key_F5);
    EXPECT_EQ(plugin.calls(), 180 * 120);
    form->parameters().zoom = 3.0;
    QTest::keyClick(form.get(), Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(plugin.calls(), 2 * 180 * 120);
    EXPECT_NE(form->parameters().zoom, 3.0);

    // Escape stops a drawing.
    UseCountingPlugin(1);  // slow
    form->parameters().pictureWidth = 640;
    form->parameters().pictureHeight = 480;
    QTimer::singleShot(60, form.get(), [this] { QTest::keyClick(form.get(), Qt::Key_Escape); });
    EXPECT_FALSE(child->UpdateFractal().completed);

    QTest::keyClick(form.get(), Qt::Key_N, Qt::ControlModifier);
    ASSERT_TRUE(WaitFor([&] { return form->children().size() == 2; }));
    // The new window switched the attractor view on; a window closed while
    // something draws is only minimised, so stop that first.
    WaitFor([&] { return form->dialogs().vantrel->running(); }, 1500);
    QTest::keyClick(form.get(), Qt::Key_Escape);
    ASSERT_TRUE(WaitFor([&] { return !form->dialogs().vantrel->running(); }));
    QTest::keyClick(form.get(), Qt::Key_W, Qt::ControlModifier);
    EXPECT_TRUE(WaitFor([&] { return form->children().size() == 1; }));
}

}  // namespace
}  // namespace zarvo::test
