// A main frame as the program starts it, with message boxes and file
// dialogs replaced, and the counting plug-in at hand.
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QMdiSubWindow>
#include <dlfcn.h>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

#include "main_form.h"
#include "mdi_child.h"
#include "picture_area.h"

namespace zarvo::test {

// Handles events until `done` holds or `ms` have passed.
inline bool WaitFor(const std::function<bool()>& done, int ms = 3000) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return done();
}

// Answers every file question with a fixed path.
class FixedAnswers : public FileDialogs {
public:
    QString answer;
    QString openParameterFile(QWidget*) override { return answer; }
    QString openPicture(QWidget*) override { return answer; }
    QString savePicture(QWidget*, const QString&) override { return answer; }
    QString openHelpPage(QWidget*, const QString&) override { return QString(); }
};

// The counting plug-in's own call counter.
class CountingPlugin {
public:
    CountingPlugin() {
        handle_ = dlopen(COUNTING_PLUGIN, RTLD_NOW);
        if (!handle_) return;
        calls_ = reinterpret_cast<int32_t (*)()>(dlsym(handle_, "counting_calls"));
        reset_ = reinterpret_cast<void (*)()>(dlsym(handle_, "counting_reset"));
    }
    ~CountingPlugin() {
        if (handle_) dlclose(handle_);
    }
    bool ok() const { return calls_ && reset_; }
    int calls() const { return calls_(); }
    void reset() const { reset_(); }

private:
    void* handle_ = nullptr;
    int32_t (*calls_)() = nullptr;
    void (*reset_)() = nullptr;
};

class AppTest : public ::testing::Test {
protected:
    void SetUp() override {
        form = std::make_unique<TMainForm>();
        form->reporter().setQuiet(true);
        auto dialogs = std::make_unique<FixedAnswers>();
        answers = dialogs.get();
        form->setFileDialogs(std::move(dialogs));
        form->CreateForms();
        form->show();
        ASSERT_TRUE(WaitFor([this] { return form->activeChild() && form->activeChild()->windowTitle() == "zarvo_"; }));
        child = form->activeChild();
    }
    void TearDown() override {
        form->parameters().stopFlag = flagOn;
        form.reset();
    }

    // The first window, drawing with the counting plug-in instead of the
    // attractor formula.
    void UseCountingPlugin(int formula = 0) {
        ASSERT_TRUE(plugin.ok());
        if (form->dialogs().vantrel->isVisible()) form->VantrelViewClick();
        child->view().ReleasePlugin();
        child->view().pluginFileName = COUNTING_PLUGIN;
        ASSERT_TRUE(child->view().InitializeMainDLL());
        form->parameters().formulaIndex = formula;
        plugin.reset();
    }

    std::unique_ptr<TMainForm> form;
    FixedAnswers* answers = nullptr;
    TMDIChild* child = nullptr;
    CountingPlugin plugin;
};

}  // namespace zarvo::test
