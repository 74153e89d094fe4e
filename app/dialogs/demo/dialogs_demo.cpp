// Shows the five tool dialogs side by side on a grey desktop, for looking at
// them; what they ask the main frame to do is printed.
#include <QApplication>
#include <cstdio>

#include "about_box.h"
#include "colour_dialog.h"
#include "image_size_dialog.h"
#include "iteration_parameters_dialog.h"
#include "jpeg_dialog.h"
#include "link_panel.h"
#include "parameter_set.h"
#include "reporter.h"

namespace {

class PrintingReporter : public zarvo::Reporter {
public:
    void message(const std::string& text) override { std::printf("message: %s\n", text.c_str()); }
};

void say(const char* text) {
    std::printf("%s\n", text);
    std::fflush(stdout);
}

}  // namespace

int main(int argc, char** argv) {
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    QApplication app(argc, argv);
    zarvo::ParameterSet ps;
    PrintingReporter reporter;

    zarvo::TAboutBox about;
    zarvo::TXYSize1 xySize(ps, reporter);
    zarvo::TParams1 params(ps);
    zarvo::TColorForm colors(ps);
    zarvo::TJPGUnit jpeg(ps);

    QObject::connect(&params, &zarvo::TParams1::applyRequested, [&] {
        params.takeValues(ps);
        std::printf("apply: maxIterations %d power %g\n", ps.maxIterations, ps.power);
    });
    QObject::connect(&xySize, &zarvo::TXYSize1::applyToFractal,
                     [](int w, int h) { std::printf("resize fractal window to %d x %d\n", w, h); });
    QObject::connect(&colors, &zarvo::TColorForm::recolourRequested, [&] {
        colors.takeValues(ps);
        std::printf("recolour: red step %g start %g\n", ps.redStep, ps.redStart);
        std::fflush(stdout);
    });
    QObject::connect(&about, &zarvo::TAboutBox::helpRequested, [] { say("help"); });
    about.linkPanel()->openUrl = [](const QUrl& u) {
        std::printf("open %s\n", qPrintable(u.toString()));
        return true;
    };

    params.toggle();
    params.move(20, 20);
    xySize.toggle();
    xySize.move(20, 300);
    jpeg.toggle();
    jpeg.move(20, 480);
    colors.toggle();
    colors.move(380, 20);
    about.toggle();
    return app.exec();
}
