// Every file writer of both programs under a failing write: the file-size
// limit of a forked child makes the write fail part-way, and the file it was
// replacing must come through byte for byte, with no new file left beside it.
// Without the limit the same writer replaces the file. A picture cancelled
// while it is drawn leaves the old file as well.
#include <gtest/gtest.h>

#include <dirent.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <atomic>
#include <csignal>
#include <functional>

#include "fractal_view.h"
#include "npy_plane_file.h"
#include "parameter_file.h"
#include "picture_writer.h"
#include "safe_file.h"
#include "streamed_picture.h"
#include "test_support.h"
#include "vtl_file.h"

namespace zarvo {
namespace {

using test::TempFolder;

struct Writer {
    const char* name;
    const char* file;
    std::function<bool(const std::string& path, std::string* error)> write;
};

RgbImage Noise(int w, int h) {
    RgbImage img(w, h);
    uint32_t s = 12345;
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            s = s * 1664525u + 1013904223u;
            img.set(x, y, static_cast<uint8_t>(s >> 24), static_cast<uint8_t>(s >> 16), static_cast<uint8_t>(s >> 8));
        }
    return img;
}

// A parameter-file writer with a filled set.
template <bool (*Write)(const ParameterSet&, const std::string&, std::string*)>
bool WriteFilled(const std::string& path, std::string* error) {
    ParameterSet ps;
    test::FillDistinct(ps, 3);
    return Write(ps, path, error);
}

bool WritePlanes(const std::string& path, std::string* error) {
    NpyPlaneFile planes;
    if (!planes.open(path, 64, 64, error)) return false;
    for (int row = 0; row < 64; ++row)
        for (int column = 0; column < 64; ++column) planes.put(column, row, row, column);
    return planes.finish(error);
}

// A supersampled picture streamed to its file by the scan; `cancel`, when
// given, is set once the first row is written.
bool DrawStreamed(const std::string& path, std::string* error, std::atomic<bool>* cancel = nullptr) {
    ParameterSet ps;
    SilentReporter quiet;
    FractalView view(ps, quiet);
    test::SetUpPicture(ps);
    view.pluginFileName = TEST_FORMULA_PLUGIN;
    if (!view.InitializeMainDLL()) return false;
    StreamedPicture picture;
    picture.width = 64;
    picture.height = 64;
    picture.supersample = 2;
    picture.file.format = PictureFormat::Bmp;
    picture.cancel = cancel;
    picture.progress = [cancel](int, int) {
        if (cancel) cancel->store(true);
    };
    const StreamedPictureResult drawn = DrawPictureToFile(view, picture, path);
    *error = drawn.error;
    return drawn.written;
}

// Each writes well over the 1 KiB limit used below.
std::vector<Writer> Writers() {
    return {
        {"Bmp", "p.bmp", [](const std::string& p, std::string* e) { return WriteBmp(Noise(64, 64), p, e); }},
        {"Jpeg", "p.jpg",
         [](const std::string& p, std::string* e) { return WriteJpeg(Noise(64, 64), p, 90, false, e); }},
        {"Png", "p.png",
         [](const std::string& p, std::string* e) {
             PictureFileOptions png;
             png.format = PictureFormat::Png;
             return WritePicture(Noise(64, 64), p, png, e);
         }},
        {"StreamedPicture", "s.bmp", [](const std::string& p, std::string* e) { return DrawStreamed(p, e); }},
        {"ParameterFile", "p.zrv", WriteFilled<WriteParameterFile>},
        {"VtlFile", "p.vtl", WriteFilled<WriteVtlFile>},
        {"Planes", "p.npy", WritePlanes},
    };
}

std::vector<std::string> FolderNames(const std::string& folder) {
    std::vector<std::string> names;
    DIR* d = opendir(folder.c_str());
    while (dirent* e = d ? readdir(d) : nullptr) {
        const std::string n = e->d_name;
        if (n != "." && n != "..") names.push_back(n);
    }
    if (d) closedir(d);
    return names;
}

class SafeWrite : public ::testing::TestWithParam<Writer> {};

TEST_P(SafeWrite, FailedWriteKeepsTheOldFileAndAGoodOneReplacesIt) {
    const Writer& w = GetParam();
    TempFolder tmp;
    const std::string path = tmp.file(w.file);
    const std::string old(700, 'x');
    test::WriteFile(path, old);
    chmod(path.c_str(), 0640);

    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) {
        ReportFileSizeLimitAsWriteError();
        const rlimit limit{1024, 1024};
        setrlimit(RLIMIT_FSIZE, &limit);
        std::string error;
        const bool written = w.write(path, &error);
        _exit(!written && !error.empty() ? 0 : 1);
    }
    int status = 0;
    ASSERT_EQ(waitpid(child, &status, 0), child);
    ASSERT_TRUE(WIFEXITED(status));
    EXPECT_EQ(WEXITSTATUS(status), 0) << "the writer did not report the failed write";
    EXPECT_EQ(test::ReadFile(path), old);
    EXPECT_EQ(FolderNames(tmp.path()), std::vector<std::string>{w.file});

    std::string error;
    ASSERT_TRUE(w.write(path, &error)) << error;
    EXPECT_GT(test::ReadFile(path).size(), 1024u);
    EXPECT_EQ(FolderNames(tmp.path()), std::vector<std::string>{w.file});
    struct stat st;
    ASSERT_EQ(stat(path.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u) << "a replaced file keeps its permissions";

    // A new file gets the permissions fopen would give it.
    const std::string fresh = tmp.file(std::string("new.") + w.file);
    const mode_t savedMask = umask(027);
    const bool freshWritten = w.write(fresh, &error);
    umask(savedMask);
    ASSERT_TRUE(freshWritten) << error;
    ASSERT_EQ(stat(fresh.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST(SafeWrite, ACancelledPictureLeavesTheOldFile) {
    TempFolder tmp;
    const std::string path = tmp.file("s.bmp");
    test::WriteFile(path, "old");
    std::atomic<bool> cancel{false};
    std::string error;
    EXPECT_FALSE(DrawStreamed(path, &error, &cancel));
    EXPECT_TRUE(cancel.load());
    EXPECT_EQ(test::ReadFile(path), "old");
    EXPECT_EQ(FolderNames(tmp.path()), std::vector<std::string>{"s.bmp"});
}

INSTANTIATE_TEST_SUITE_P(EveryWriter, SafeWrite, ::testing::ValuesIn(Writers()),
                         [](const ::testing::TestParamInfo<Writer>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zarvo
