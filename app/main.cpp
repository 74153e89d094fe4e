// zarvo: the desktop fractal explorer. Creates the main frame and the
// single-instance forms in their fixed order, then runs the event loop; the
// main frame's start timer opens the first fractal window.
#include <QApplication>
#include <clocale>

#include "main_form.h"
#include "safe_file.h"

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("zarvo"));
    QApplication::setOrganizationName(QStringLiteral("zarvo"));
    // Parameter files write numbers with the user's decimal separator.
    std::setlocale(LC_NUMERIC, "");
    zarvo::ReportFileSizeLimitAsWriteError();
    zarvo::TMainForm mainForm;
    mainForm.CreateForms();
    mainForm.show();
    return app.exec();
}
