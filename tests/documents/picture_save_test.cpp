// Saving: the extension picks the writer, the parameter file goes beside the
// picture, and a picture that cannot be written leaves everything as it was.
#include <gtest/gtest.h>

#include "picture_save.h"
#include "test_support.h"

namespace zarvo {
namespace {

using test::FileExists;
using test::TempFolder;

bool IsJpeg(const std::string& bytes) { return bytes.size() > 2 && bytes.compare(0, 2, "\xFF\xD8") == 0; }
bool IsBmp(const std::string& bytes) { return bytes.size() > 2 && bytes.compare(0, 2, "BM") == 0; }

struct Saved {
    SaveResult result;
    std::vector<std::string> messages;
};

Saved Save(const ParameterSet& ps, const std::string& path) {
    CollectingReporter reporter;
    Saved s;
    s.result = SaveToFile(ps, path, reporter);
    s.messages = reporter.messages;
    return s;
}

class PictureSave : public ::testing::Test {
protected:
    PictureSave() { ps.workBitmap.reset(12, 8); }
    ParameterSet ps;
    TempFolder tmp;
};

TEST_F(PictureSave, JpgAndJpegInAnyCaseAreWrittenAsJpeg) {
    for (const char* name : {"picture.JPG", "picture.jpg", "picture.Jpg", "picture.jpeg", "picture.JPEG"}) {
        const Saved s = Save(ps, tmp.file(name));
        EXPECT_TRUE(s.result.pictureWritten) << name;
        EXPECT_TRUE(s.messages.empty()) << name;
        EXPECT_TRUE(IsJpeg(test::ReadFile(tmp.file(name)))) << name;
        EXPECT_EQ(s.result.caption, name);
        EXPECT_EQ(s.result.parameterFilePath, tmp.file("picture.zrv"));
        EXPECT_TRUE(s.result.parameterFileWritten);
    }
}

TEST_F(PictureSave, BmpIsWrittenAsBitmap) {
    const Saved s = Save(ps, tmp.file("x.bmp"));
    EXPECT_TRUE(s.result.pictureWritten);
    EXPECT_TRUE(IsBmp(test::ReadFile(tmp.file("x.bmp"))));
    EXPECT_EQ(s.result.parameterFilePath, tmp.file("x.zrv"));
    EXPECT_EQ(test::CrLfLines(test::ReadFile(tmp.file("x.zrv"))).size(), 190u);
}

TEST_F(PictureSave, OtherExtensionsGiveTheMessageButStillTheParameterFile) {
    Saved s = Save(ps, tmp.file("picture.jpegs"));
    EXPECT_FALSE(s.result.pictureWritten);
    EXPECT_EQ(s.messages, std::vector<std::string>{"Unkown File extension: = .JPE"});
    EXPECT_FALSE(FileExists(tmp.file("picture.jpegs")));
    EXPECT_TRUE(FileExists(tmp.file("picture.zrv")));
    // No picture was written: the window keeps its caption.
    EXPECT_TRUE(s.result.caption.empty());
    EXPECT_TRUE(s.result.error.empty());

    s = Save(ps, tmp.file("plain"));
    EXPECT_EQ(s.messages, std::vector<std::string>{"Unkown File extension: = "});
    EXPECT_TRUE(FileExists(tmp.file("plain.zrv")));
}

TEST_F(PictureSave, ParameterFileGoesBesideThePictureNotIntoTheCurrentFolder) {
    const std::string sub = tmp.file("sub.d");
    ASSERT_EQ(mkdir(sub.c_str(), 0755), 0);
    const Saved s = Save(ps, sub + "/sea.jpg");
    EXPECT_EQ(s.result.parameterFilePath, sub + "/sea.zrv");
    EXPECT_TRUE(FileExists(sub + "/sea.zrv"));
    EXPECT_FALSE(FileExists("sea.zrv"));
    EXPECT_EQ(s.result.caption, "sea.jpg");
}

TEST_F(PictureSave, UnwritablePictureWritesNothingAndKeepsTheCaption) {
    const Saved s = Save(ps, tmp.file("missing/x.bmp"));
    EXPECT_FALSE(s.result.pictureWritten);
    EXPECT_FALSE(s.result.parameterFileWritten);
    EXPECT_NE(s.result.error.find("missing/x.bmp"), std::string::npos);
    EXPECT_TRUE(s.result.caption.empty());
    EXPECT_TRUE(s.result.parameterFilePath.empty());
    EXPECT_FALSE(FileExists(tmp.file("missing/x.zrv")));
}

TEST(SaveNames, ExtensionAndParameterFileName) {
    EXPECT_EQ(SaveExtension("a/picture.Jpg"), ".JPG");
    EXPECT_EQ(SaveExtension("picture.jpeg"), ".JPE");
    EXPECT_EQ(SaveExtension("folder.d/picture"), "");
    EXPECT_EQ(SaveExtension("c:pic.bmp"), ".BMP");
    EXPECT_EQ(SaveExtension("c.d:pic"), "");
    EXPECT_EQ(SaveExtension("dir\\x.y\\pic"), "");
    EXPECT_EQ(SaveExtension("dir.x/Pic.Bmp"), ".BMP");

    EXPECT_EQ(ParameterFilePathFor("sea.jpg"), "sea.zrv");
    EXPECT_EQ(ParameterFilePathFor("sea.jpeg"), "sea.zrv");
    EXPECT_EQ(ParameterFilePathFor("x"), "x.zrv");
    EXPECT_EQ(ParameterFilePathFor("x.bmp"), "x.zrv");
    EXPECT_EQ(ParameterFilePathFor("/p/dir.d/x"), "/p/dir.d/x.zrv");
    EXPECT_EQ(ParameterFilePathFor("/p/a.b.jpg"), "/p/a.b.zrv");
    EXPECT_EQ(FileNamePart("/p/q/sea.jpg"), "sea.jpg");

    // The attractor view's parameter file: the last three characters replaced.
    EXPECT_EQ(VtlFilePathFor("spiral.jpg"), "spiral.vtl");
    EXPECT_EQ(VtlFilePathFor("a.jpeg"), "a.jvtl");
    EXPECT_EQ(VtlFilePathFor("/tmp/pics/x.bmp"), "/tmp/pics/x.vtl");
}

}  // namespace
}  // namespace zarvo
