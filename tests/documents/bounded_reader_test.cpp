// Both parameter-file readers on inputs that would never end or never fit:
// each ends with the conversion error, and a valid file of the same shape
// still reads.
#include <gtest/gtest.h>

#include <functional>

#include "parameter_file.h"
#include "test_support.h"
#include "text_line_reader.h"
#include "vtl_file.h"

namespace zarvo {
namespace {

using test::TempFolder;

struct Reader {
    const char* name;
    std::function<std::string(const ParameterSet&)> text;
    std::function<ParameterFileResult(ParameterSet&, const std::string&, Reporter&)> load;
};

std::vector<Reader> Readers() {
    return {
        {"Zrv", [](const ParameterSet& ps) { return ParameterFileText(ps, '.'); },
         [](ParameterSet& ps, const std::string& p, Reporter& r) { return LoadParameters(ps, p, r); }},
        {"Vtl", [](const ParameterSet& ps) { return VtlFileText(ps, '.'); },
         [](ParameterSet& ps, const std::string& p, Reporter& r) { return LoadParameterFile(ps, p, r); }},
    };
}

class BoundedReader : public ::testing::TestWithParam<Reader> {
protected:
    // Loads path into a fresh set and expects the conversion error at line.
    void ExpectErrorAt(const std::string& path, int line) {
        ParameterSet ps;
        CollectingReporter rep;
        const ParameterFileResult r = GetParam().load(ps, path, rep);
        EXPECT_TRUE(r.opened);
        EXPECT_EQ(r.errorLine, line) << path;
        EXPECT_EQ(r.error, "Error reading parameter file");
    }
};

TEST_P(BoundedReader, EndlessHugeAndOverlongInputsEndWithTheConversionError) {
    ExpectErrorAt("/dev/zero", 1);

    TempFolder tmp;
    ParameterSet written;
    test::FillDistinct(written, 5);
    const std::string text = GetParam().text(written);
    const std::string path = tmp.file("p");

    // Trailing bytes after the last line: fine up to the limit, nothing
    // read at all beyond it.
    std::string padded = text + std::string(parameterFileByteLimit - text.size(), ' ');
    test::WriteFile(path, padded);
    ParameterSet ps;
    CollectingReporter rep;
    EXPECT_TRUE(GetParam().load(ps, path, rep).ok());
    test::WriteFile(path, padded + " ");
    ExpectErrorAt(path, 1);

    // A value line (line 2 in both formats) too long for any number.
    std::vector<std::string> lines = test::CrLfLines(text);
    lines[1] = std::string(5000, '1');
    test::WriteFile(path, test::CrLfText(lines));
    ExpectErrorAt(path, 2);
}

INSTANTIATE_TEST_SUITE_P(BothFormats, BoundedReader, ::testing::ValuesIn(Readers()),
                         [](const ::testing::TestParamInfo<Reader>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zarvo
