// The attractor view and its dialog as the main frame wires them: one
// parameter set, messages collected, file questions answered by the test.
#pragma once

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

#include "parameter_set.h"
#include "reporter.h"
#include "attractor_params_dialog.h"
#include "attractor_view.h"

namespace zarvo::test {

// Handles events until `done` holds or `ms` have passed.
inline bool WaitFor(const std::function<bool()>& done, int ms = 3000) {
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return done();
}

// Handles events for `ms` milliseconds.
inline void Pump(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
}

class FixedAnswers : public AttractorFileDialogs {
public:
    QString savePath;
    QString openPath;
    QString savePicture(QWidget*) override { return savePath; }
    QString openParameterFile(QWidget*) override { return openPath; }
};

class VantrelTest : public ::testing::Test {
protected:
    void SetUp() override {
        dialog = std::make_unique<Tvtl_params1>(ps);
        view = std::make_unique<TVantrel>(ps, reporter);
        view->setParametersDialog(dialog.get());
        auto answers = std::make_unique<FixedAnswers>();
        files = answers.get();
        view->setFileDialogs(std::move(answers));
        view->engine().fixedSeed = 7;
        ps.vantrelFormulaMode = flagOn;
        view->show();
        view->InitVantrel();
    }
    void TearDown() override {
        ps.stopFlag = flagOn;
        view.reset();
        dialog.reset();
    }

    // Draw Random, then wait until the delayed start has begun the run.
    void StartRandomRun() {
        dialog->DrawRandomClick();
        ASSERT_TRUE(WaitFor([this] { return view->running(); }));
    }

    ParameterSet ps;
    CollectingReporter reporter;
    std::unique_ptr<Tvtl_params1> dialog;
    std::unique_ptr<TVantrel> view;
    FixedAnswers* files = nullptr;
};

}  // namespace zarvo::test
