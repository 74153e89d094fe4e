#include "counts_file.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <functional>
#include <map>

#include "npy_plane_file.h"
#include "safe_file.h"

namespace zarvo {

namespace {

constexpr size_t kChunk = 1 << 16;  // values read or written at a time

std::vector<uint64_t> PictureShape(const CountsShare& s) {
    return {static_cast<uint64_t>(s.height), static_cast<uint64_t>(s.width)};
}

// The hit grid's shape: (H·n, W·n, 2), or (0, 0, 2) without a grid.
std::vector<uint64_t> CellShape(const attractor::AttractorEngine& e) {
    const uint64_t n = e.density.empty() ? 0 : static_cast<uint64_t>(e.densityOversample);
    return {static_cast<uint64_t>(e.gridHeight) * n, static_cast<uint64_t>(e.gridWidth) * n, 2};
}

// Writes count little-endian 64-bit values value(0) .. value(count - 1).
bool WriteValues(std::FILE* f, uint64_t count, const std::function<uint64_t(uint64_t)>& value) {
    std::vector<uint8_t> bytes;
    bytes.reserve(kChunk * 8);
    for (uint64_t i = 0; i < count;) {
        bytes.clear();
        for (const uint64_t end = std::min(count, i + kChunk); i < end; ++i) {
            const uint64_t v = value(i);
            for (int b = 0; b < 8; ++b) bytes.push_back(static_cast<uint8_t>(v >> (8 * b)));
        }
        if (std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size()) return false;
    }
    return true;
}

bool WriteText(std::FILE* f, const std::string& text) {
    return std::fwrite(text.data(), 1, text.size(), f) == text.size();
}

// Reads the header of the next array, of values `descr`, into *shape and
// leaves the file at its values; false when it is not a header NpyHeader
// writes.
bool ReadHeader(std::FILE* f, const std::string& descr, std::vector<uint64_t>* shape) {
    char start[10];
    if (std::fread(start, 1, 10, f) != 10 || std::memcmp(start, "\x93NUMPY\x01\x00", 8) != 0) return false;
    const size_t length = static_cast<uint8_t>(start[8]) | static_cast<size_t>(static_cast<uint8_t>(start[9])) << 8;
    std::string dict(length, '\0');
    if (std::fread(dict.data(), 1, length, f) != length) return false;
    const std::string key = "'shape': (";
    const size_t at = dict.find(key);
    if (at == std::string::npos) return false;
    shape->clear();
    const char* p = dict.c_str() + at + key.size();
    while (*p >= '0' && *p <= '9' && shape->size() < 3) {
        char* next = nullptr;
        shape->push_back(std::strtoull(p, &next, 10));
        p = next;
        if (*p == ',') ++p;
        if (*p == ' ') ++p;
    }
    return NpyHeader(descr, *shape) == std::string(start, 10) + dict;
}

// The bytes from the file's position to its end (0 when that cannot be told),
// so that no length read from the file asks for more memory than it holds.
uint64_t RemainingBytes(std::FILE* f) {
    const off_t at = ftello(f);
    if (at < 0 || fseeko(f, 0, SEEK_END) != 0) return 0;
    const off_t end = ftello(f);
    if (fseeko(f, at, SEEK_SET) != 0 || end < at) return 0;
    return static_cast<uint64_t>(end - at);
}

uint64_t Product(const std::vector<uint64_t>& shape) {
    uint64_t n = 1;
    for (uint64_t d : shape) n *= d;
    return n;
}

// Reads the file's arrays and its share.
bool ReadCountsFile(const std::string& path, CountsFile* file, std::string* error) {
    std::FILE* f = std::fopen(path.c_str(), "rb");
    if (!f) {
        *error = "cannot read " + path + ": " + std::strerror(errno);
        return false;
    }
    std::vector<uint64_t> sums, stamps, cells, text;
    bool ok = ReadHeader(f, "<i8", &sums) && sums.size() == 2;
    file->sumsAt = ok ? static_cast<uint64_t>(ftello(f)) : 0;
    ok = ok && fseeko(f, static_cast<off_t>(Product(sums) * 8), SEEK_CUR) == 0 && ReadHeader(f, "<u8", &stamps) &&
         stamps == sums;
    file->stampsAt = ok ? static_cast<uint64_t>(ftello(f)) : 0;
    ok = ok && fseeko(f, static_cast<off_t>(Product(stamps) * 8), SEEK_CUR) == 0 && ReadHeader(f, "<u8", &cells) &&
         cells.size() == 3 && cells[2] == 2;
    file->cellsAt = ok ? static_cast<uint64_t>(ftello(f)) : 0;
    file->cells = ok ? cells[0] * cells[1] : 0;
    ok = ok && fseeko(f, static_cast<off_t>(Product(cells) * 8), SEEK_CUR) == 0 && ReadHeader(f, "|u1", &text) &&
         text.size() == 1 && text[0] <= RemainingBytes(f);
    std::string description(ok ? text[0] : 0, '\0');
    ok = ok && std::fread(description.data(), 1, description.size(), f) == description.size() &&
         ParseCountsText(description, &file->share) &&
         sums == std::vector<uint64_t>{static_cast<uint64_t>(file->share.height),
                                       static_cast<uint64_t>(file->share.width)};
    std::fclose(f);
    if (!ok) *error = path + " is not a counts file of zarvo-render --counts";
    file->path = path;
    return ok;
}

// What makes `file` a share of another run than `first`, or empty.
std::string Mismatch(const CountsShare& a, const CountsShare& b) {
    if (a.width != b.width || a.height != b.height) return "another picture size";
    if (a.streams != b.streams) return "another stream count";
    if (a.seed != b.seed) return "another seed";
    if (a.steps != b.steps) return "another step count";
    if (a.vtl != b.vtl) return "other parameters";
    return std::string();
}

std::string Streams(int first, int end) {
    return end - first == 1 ? "stream " + std::to_string(first)
                            : "streams " + std::to_string(first) + ".." + std::to_string(end - 1);
}

}  // namespace

std::string CountsText(const CountsShare& s) {
    std::string text = "zarvo-counts 1\npicture " + std::to_string(s.width) + "x" + std::to_string(s.height) +
                       "\nstreams " + std::to_string(s.streams) + "\nshare " + std::to_string(s.first) + " " +
                       std::to_string(s.end) + "\nseed " + std::to_string(s.seed) + "\nsteps " +
                       std::to_string(s.steps) + "\ndone " + std::to_string(s.done) + "\nend ";
    text += s.fault ? "fault " + std::to_string(s.lastSlice) + " " + std::to_string(s.faultStream) + " " + s.faultText
                    : "complete " + std::to_string(s.lastSlice);
    return text + "\nname " + s.name + "\nvtl " + std::to_string(s.vtl.size()) + "\n" + s.vtl;
}

bool ParseCountsText(const std::string& text, CountsShare* share) {
    CountsShare s;
    unsigned long long seed = 0;
    long long steps = 0, done = 0, last = 0;
    int used = 0;
    if (std::sscanf(text.c_str(), "zarvo-counts 1\npicture %dx%d\nstreams %d\nshare %d %d\nseed %llu\nsteps %lld\ndone %lld\nend %n",
                    &s.width, &s.height, &s.streams, &s.first, &s.end, &seed, &steps, &done, &used) != 8 ||
        used == 0)
        return false;
    s.seed = seed;
    s.steps = steps;
    s.done = done;
    const auto lineEnd = [&text](size_t from) { return std::min(text.find('\n', from), text.size()); };
    size_t at = static_cast<size_t>(used);
    const std::string end = text.substr(at, lineEnd(at) - at);
    int endUsed = 0;
    if (std::sscanf(end.c_str(), "complete %lld%n", &last, &endUsed) == 1 && endUsed == static_cast<int>(end.size())) {
        s.fault = false;
    } else if (std::sscanf(end.c_str(), "fault %lld %d %n", &last, &s.faultStream, &endUsed) == 2 && endUsed > 0) {
        s.fault = true;
        s.faultText = end.substr(static_cast<size_t>(endUsed));
    } else {
        return false;
    }
    s.lastSlice = last;
    at = lineEnd(at) + 1;
    if (text.compare(at, 5, "name ") != 0) return false;
    s.name = text.substr(at + 5, lineEnd(at) - at - 5);
    at = lineEnd(at) + 1;
    unsigned long long length = 0;
    if (std::sscanf(text.c_str() + std::min(at, text.size()), "vtl %llu\n", &length) != 1) return false;
    at = lineEnd(at) + 1;
    if (at > text.size() || text.size() - at != length) return false;
    s.vtl = text.substr(at);
    if (s.width < 1 || s.height < 1 || s.streams < 2 || s.first < 0 || s.first >= s.end || s.end > s.streams ||
        CountsText(s) != text)
        return false;
    *share = s;
    return true;
}

bool WriteCountsFile(const std::string& path, const CountsShare& share, const attractor::AttractorEngine& e,
                     std::string* error) {
    SafeFileWriter out;
    if (!out.open(path)) {
        *error = "cannot create counts file " + path + ": " + std::strerror(errno);
        return false;
    }
    std::FILE* f = out.file();
    const std::vector<uint64_t> pictureShape = PictureShape(share);
    const std::vector<uint64_t> cellShape = CellShape(e);
    const std::string text = CountsText(share);
    const uint64_t pixels = e.hitCounts.size();
    const bool written =
        WriteText(f, NpyHeader("<i8", pictureShape)) &&
        WriteValues(f, pixels, [&e](uint64_t i) { return static_cast<uint64_t>(e.CounterSum(i)); }) &&
        WriteText(f, NpyHeader("<u8", pictureShape)) &&
        WriteValues(f, pixels, [&e](uint64_t i) { return e.HitStamp(i); }) &&
        WriteText(f, NpyHeader("<u8", cellShape)) &&
        WriteValues(f, Product(cellShape),
                    [&e](uint64_t i) { return i % 2 == 0 ? e.density[i / 2].hits : e.density[i / 2].shade; }) &&
        WriteText(f, NpyHeader("|u1", {text.size()})) && WriteText(f, text);
    const int writeErrno = errno;
    if (written && out.commit()) return true;
    if (!written) {
        out.discard();
        errno = writeErrno;
    }
    *error = "cannot write counts file " + path + ": " + std::strerror(errno);
    return false;
}

bool CompleteShareSet(const std::vector<std::string>& paths, std::vector<CountsFile>* files, std::string* error) {
    std::map<int, CountsFile> byFirst;
    for (const std::string& path : paths) {
        CountsFile file;
        if (!ReadCountsFile(path, &file, error)) return false;
        if (!byFirst.empty()) {
            const CountsFile& first = byFirst.begin()->second;
            const std::string mismatch = Mismatch(file.share, first.share);
            if (!mismatch.empty()) {
                *error = path + " holds the counters of " + mismatch + " than " + first.path;
                return false;
            }
        }
        for (const auto& [start, other] : byFirst) {
            if (file.share.first < other.share.end && other.share.first < file.share.end) {
                *error = path + " repeats " + Streams(std::max(file.share.first, other.share.first),
                                                     std::min(file.share.end, other.share.end)) +
                         " of " + other.path;
                return false;
            }
        }
        byFirst.emplace(file.share.first, file);
    }
    int next = 0;
    const int count = byFirst.begin()->second.share.streams;
    for (const auto& [start, file] : byFirst) {
        if (start > next) break;
        files->push_back(file);
        next = file.share.end;
    }
    if (next < count) {
        const auto after = byFirst.upper_bound(next);
        const int end = after == byFirst.end() ? count : after->first;
        *error = Streams(next, end) + " of " + std::to_string(count) + (end - next == 1 ? " is" : " are") + " missing";
        return false;
    }
    return true;
}

bool AddCountsFile(const CountsFile& file, attractor::AttractorEngine& engine, std::string* error) {
    if (file.cells != engine.density.size()) {
        *error = file.path + " holds another hit grid than this computer makes for the picture";
        return false;
    }
    std::FILE* f = std::fopen(file.path.c_str(), "rb");
    bool ok = f != nullptr;
    std::vector<uint8_t> bytes(kChunk * 16);
    // Reads `count` values from `at` in chunks, handing each chunk to add
    // (first value, bytes, values).
    const auto readValues = [&](uint64_t at, uint64_t count, size_t valueBytes,
                                const std::function<void(size_t, const uint8_t*, size_t)>& add) {
        ok = ok && fseeko(f, static_cast<off_t>(at), SEEK_SET) == 0;
        for (uint64_t i = 0; ok && i < count; i += kChunk) {
            const size_t n = static_cast<size_t>(std::min<uint64_t>(kChunk, count - i));
            ok = std::fread(bytes.data(), valueBytes, n, f) == n;
            if (ok) add(static_cast<size_t>(i), bytes.data(), n);
        }
    };
    const auto u64 = [](const uint8_t* p) {
        uint64_t v = 0;
        for (int b = 7; b >= 0; --b) v = v << 8 | p[b];
        return v;
    };
    const uint64_t pixels = static_cast<uint64_t>(file.share.width) * static_cast<uint64_t>(file.share.height);
    std::vector<int64_t> sums(kChunk);
    std::vector<uint64_t> stamps(kChunk);
    std::vector<attractor::DensityCell> cells(kChunk);
    readValues(file.sumsAt, pixels, 8, [&](size_t first, const uint8_t* p, size_t n) {
        for (size_t i = 0; i < n; ++i) sums[i] = static_cast<int64_t>(u64(p + 8 * i));
        engine.AddCounterSums(first, sums.data(), n);
    });
    readValues(file.stampsAt, pixels, 8, [&](size_t first, const uint8_t* p, size_t n) {
        for (size_t i = 0; i < n; ++i) stamps[i] = u64(p + 8 * i);
        engine.AddHitStamps(first, stamps.data(), n);
    });
    readValues(file.cellsAt, file.cells, 16, [&](size_t first, const uint8_t* p, size_t n) {
        for (size_t i = 0; i < n; ++i) cells[i] = {u64(p + 16 * i), u64(p + 16 * i + 8)};
        engine.AddDensity(first, cells.data(), n);
    });
    if (f) std::fclose(f);
    if (!ok) *error = "cannot read " + file.path + ": " + (errno ? std::strerror(errno) : "the file ends early");
    return ok;
}

}  // namespace zarvo
