// Saving the picture with its .vtl file beside it, loading a .vtl file, and
// a new picture size.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScrollArea>
#include <cmath>

#include "attractor_view_fixture.h"

namespace zarvo::test {
namespace {

class ViewFilesTest : public VantrelTest {
protected:
    QByteArray head(const QString& path, int n) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) return QByteArray();
        return f.read(n);
    }
    int lineCount(const QString& path) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly)) return -1;
        return static_cast<int>(f.readAll().count("\r\n"));
    }
    QTemporaryDir dir;
};

TEST_F(ViewFilesTest, SaveWritesTheJpegAndTheVtlBesideIt) {
    StartRandomRun();
    Pump(100);
    files->savePath = dir.filePath(QStringLiteral("spiral.jpg"));
    view->SaveToFileClick();
    EXPECT_TRUE(reporter.messages.empty());
    EXPECT_EQ(head(dir.filePath(QStringLiteral("spiral.jpg")), 2), QByteArray("\xFF\xD8"));
    EXPECT_EQ(lineCount(dir.filePath(QStringLiteral("spiral.vtl"))), 150);
    EXPECT_FALSE(QFileInfo::exists(QDir::current().filePath(QStringLiteral("spiral.vtl"))));
    // The running view shows its progress; the name returns when it stops.
    EXPECT_EQ(view->captionStore, QStringLiteral("spiral.jpg"));
    dialog->StopClick();
    EXPECT_EQ(view->windowTitle(), QStringLiteral("spiral.jpg"));
}

TEST_F(ViewFilesTest, SaveAsBitmap) {
    files->savePath = dir.filePath(QStringLiteral("dots.bmp"));
    view->SaveToFileClick();
    EXPECT_EQ(head(dir.filePath(QStringLiteral("dots.bmp")), 2), QByteArray("BM"));
    EXPECT_EQ(lineCount(dir.filePath(QStringLiteral("dots.vtl"))), 150);
    EXPECT_EQ(view->windowTitle(), QStringLiteral("dots.bmp"));
}

TEST_F(ViewFilesTest, AnUnknownExtensionWritesOnlyTheParameterFile) {
    files->savePath = dir.filePath(QStringLiteral("a.jpegs"));
    view->SaveToFileClick();
    ASSERT_EQ(reporter.messages.size(), 1u);
    EXPECT_EQ(reporter.messages[0], "Unkown File extension: = .JPE");
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("a.jpegs"))));
    EXPECT_EQ(lineCount(dir.filePath(QStringLiteral("a.jpvtl"))), 150);
    EXPECT_EQ(view->windowTitle(), QStringLiteral("Vantrel"));  // no picture, no new caption

    // ".jpeg" is a JPEG picture like ".jpg".
    reporter.messages.clear();
    files->savePath = dir.filePath(QStringLiteral("b.jpeg"));
    view->SaveToFileClick();
    EXPECT_TRUE(reporter.messages.empty());
    EXPECT_EQ(head(dir.filePath(QStringLiteral("b.jpeg")), 2), QByteArray("\xFF\xD8"));
    EXPECT_EQ(view->windowTitle(), QStringLiteral("b.jpeg"));
}

TEST_F(ViewFilesTest, CancellingTheSaveDialogWritesNothing) {
    files->savePath.clear();
    view->SaveToFileClick();
    EXPECT_TRUE(QDir(dir.path()).entryList(QDir::Files).isEmpty());
    EXPECT_EQ(view->windowTitle(), QStringLiteral("Vantrel"));
}

TEST_F(ViewFilesTest, ASavedVtlLoadsBackTheSameParameters) {
    ps.formulaIndex = 30;
    ps.varLinear = flagOn;
    ps.colorMix = flagOn;
    StartRandomRun();
    Pump(100);
    dialog->StopClick();
    const double af7 = ps.af[7], aa = ps.AASet, x = ps.cRe, y = ps.cIm;
    files->savePath = dir.filePath(QStringLiteral("silk.bmp"));
    view->SaveToFileClick();

    view->InitVantrel();  // everything back to the defaults
    ASSERT_EQ(ps.formulaIndex, 1);
    files->openPath = dir.filePath(QStringLiteral("silk.vtl"));
    view->LoadParameterFileClick();
    EXPECT_TRUE(reporter.messages.empty());
    EXPECT_EQ(ps.formulaIndex, 30);
    // Numbers are written with 15 significant digits.
    EXPECT_NEAR(ps.af[7], af7, 1e-14 * std::fabs(af7));
    EXPECT_NEAR(ps.AASet, aa, 1e-14 * std::fabs(aa));
    EXPECT_NEAR(ps.juliaRe, x, 1e-14 * std::fabs(x));
    EXPECT_NEAR(ps.juliaIm, y, 1e-14 * std::fabs(y));
    EXPECT_NE(ps.varLinear, 0);
    EXPECT_NE(ps.colorMix, 0);
    EXPECT_EQ(ps.drawRandom, 0);
    EXPECT_EQ(dialog->dialogValues().constAA, ps.AASet);
    EXPECT_EQ(view->windowTitle(), QStringLiteral("silk.vtl"));
    EXPECT_TRUE(view->timer1Pending());
    const double loaded = ps.af[7];
    ASSERT_TRUE(WaitFor([this] { return view->running(); }, 2000));
    EXPECT_EQ(ps.af[7], loaded);  // no random set-up: the loaded table is drawn
}

TEST_F(ViewFilesTest, AShortFileReportsTheMissingValues) {
    const QString path = dir.filePath(QStringLiteral("short.vtl"));
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("z a r v o_ v0.1\r\n33\r\n0.1\r\n");
    f.close();
    files->openPath = path;
    view->LoadParameterFileClick();
    EXPECT_EQ(ps.formulaIndex, 33);
    ASSERT_FALSE(reporter.messages.empty());
    EXPECT_EQ(reporter.messages[0].rfind("Missing variable in parameter file: ", 0), 0u);
    EXPECT_TRUE(view->timer1Pending());
}

TEST_F(ViewFilesTest, NewPictureSizeFromTheImageSizeDialog) {
    ps.xySizeWidth = 320;
    ps.xySizeHeight = 240;
    view->TP01Click();
    EXPECT_EQ(ps.vtlWidth, 320);
    EXPECT_EQ(view->engine().vtlBitmap.width, 320);
    EXPECT_EQ(view->shownPicture().size(), QSize(320, 240));
    EXPECT_EQ(view->size(), QSize(320, 240));
    EXPECT_NE(ps.stopFlag, 0);
    EXPECT_TRUE(view->timer1Pending());

    ps.xySizeWidth = 1024;
    ps.xySizeHeight = 768;
    view->TP01Click();
    EXPECT_EQ(view->shownPicture().size(), QSize(1024, 768));
    QScrollArea* scroll = view->findChild<QScrollArea*>();
    ASSERT_NE(scroll, nullptr);
    EXPECT_LE(view->width(), 800 + 40);
    EXPECT_LE(view->height(), 600 + 40);
    EXPECT_EQ(scroll->viewport()->size(), QSize(800, 600));
}

TEST_F(ViewFilesTest, AnUnusableSizeChangesNothing) {
    ps.xySizeWidth = 0;
    ps.xySizeHeight = 240;
    view->TP01Click();
    EXPECT_EQ(ps.vtlWidth, 180);
    EXPECT_EQ(reporter.messages.size(), 1u);
    EXPECT_FALSE(view->timer1Pending());
}

}  // namespace
}  // namespace zarvo::test
