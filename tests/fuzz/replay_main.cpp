// Runs a fuzzing harness once on each file given and on each file of each
// folder given (names starting with "." are skipped), as the fuzzer would
// run it on these inputs. A memory error or undefined behaviour the
// sanitizers catch, or a crash, ends the program; it prints how many files it
// replayed otherwise.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);

namespace fs = std::filesystem;

namespace {

void Replay(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    const std::vector<char> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t*>(bytes.data()), bytes.size());
}

}  // namespace

int main(int argc, char** argv) {
    int replayed = 0;
    for (int i = 1; i < argc; ++i) {
        const fs::path given(argv[i]);
        std::vector<fs::path> files;
        if (fs::is_directory(given)) {
            for (const fs::directory_entry& e : fs::directory_iterator(given)) {
                if (e.is_regular_file() && e.path().filename().string()[0] != '.') files.push_back(e.path());
            }
        } else if (fs::is_regular_file(given)) {
            files.push_back(given);
        } else {
            std::fprintf(stderr, "%s: no such file or folder\n", argv[i]);
            return 1;
        }
        std::sort(files.begin(), files.end());
        for (const fs::path& f : files) {
            Replay(f);
            ++replayed;
        }
    }
    std::printf("%d inputs replayed\n", replayed);
    return 0;
}
