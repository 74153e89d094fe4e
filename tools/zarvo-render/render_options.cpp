#include "render_options.h"

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <iterator>
#include <utility>

#include "picture_stream.h"
#include "supersample.h"
#include "frame_series.h"
#include "tile_files.h"
#include "vtl_file.h"

namespace zarvo {

namespace {

bool ParseUnsigned(const std::string& text, uint64_t max, uint64_t* value) {
    if (text.empty() || text.size() > 20) return false;
    uint64_t v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        const uint64_t digit = static_cast<uint64_t>(c - '0');
        if (digit > max || v > (max - digit) / 10) return false;
        v = v * 10 + digit;
    }
    *value = v;
    return true;
}

}  // namespace

bool ParsePictureSize(const std::string& text, int* width, int* height) {
    const size_t x = text.find_first_of("xX");
    if (x == std::string::npos) return false;
    uint64_t w = 0, h = 0;
    if (!ParseUnsigned(text.substr(0, x), largestStreamedSide, &w) ||
        !ParseUnsigned(text.substr(x + 1), largestStreamedSide, &h))
        return false;
    if (w < 1 || h < 1) return false;
    *width = static_cast<int>(w);
    *height = static_cast<int>(h);
    return true;
}

namespace {

// One command-line option: its names, whether it takes a value, and what
// it does with the value (false with *error when the value is bad).
struct OptionSpec {
    const char* shortName;  // "-o", or nullptr
    const char* longName;   // "--output"
    bool takesValue;
    bool (*apply)(RenderOptions* o, const std::string& value, std::string* error);
};

template <std::string RenderOptions::*field>
bool SetText(RenderOptions* o, const std::string& value, std::string*) {
    o->*field = value;
    return true;
}

template <bool RenderOptions::*field>
bool SetFlag(RenderOptions* o, const std::string&, std::string*) {
    o->*field = true;
    return true;
}

bool SetSize(RenderOptions* o, const std::string& v, std::string* error) {
    if (ParsePictureSize(v, &o->width, &o->height)) return true;
    *error = "bad picture size \"" + v + "\" (WxH, each side 1.." + std::to_string(largestStreamedSide) + ")";
    return false;
}

// A whole number low..high into *field, or "bad <what> "v" (low..high)".
bool SetWhole(const std::string& v, int low, int high, const char* what, int* field, std::string* error) {
    uint64_t n = 0;
    if (!ParseUnsigned(v, static_cast<uint64_t>(high), &n) || n < static_cast<uint64_t>(low)) {
        *error = std::string("bad ") + what + " \"" + v + "\" (" + std::to_string(low) + ".." + std::to_string(high) +
                 ")";
        return false;
    }
    *field = static_cast<int>(n);
    return true;
}

bool SetSupersample(RenderOptions* o, const std::string& v, std::string* error) {
    return SetWhole(v, 1, largestSupersample, "supersampling", &o->supersample, error);
}

bool SetQuality(RenderOptions* o, const std::string& v, std::string* error) {
    return SetWhole(v, 1, 100, "JPEG quality", &o->quality, error);
}

bool SetAttractor(RenderOptions* o, const std::string& v, std::string*) {
    o->paramFile = v;
    o->attractor = true;
    return true;
}

bool SetSteps(RenderOptions* o, const std::string& v, std::string* error) {
    uint64_t n = 0;
    if (!ParseUnsigned(v, INT64_MAX, &n)) {
        *error = "bad step count \"" + v + "\"";
        return false;
    }
    o->steps = static_cast<int64_t>(n);
    return true;
}

bool SetThreads(RenderOptions* o, const std::string& v, std::string* error) {
    return SetWhole(v, 1, 1024, "thread count", &o->threads, error);
}

bool SetSeed(RenderOptions* o, const std::string& v, std::string* error) {
    if (!ParseUnsigned(v, UINT64_MAX, &o->seed)) {
        *error = "bad seed \"" + v + "\"";
        return false;
    }
    o->hasSeed = true;
    return true;
}

bool SetTile(RenderOptions* o, const std::string& v, std::string* error) {
    if (ParseTileIndex(v, &o->tileIndex, &o->tileCount)) return true;
    *error = "bad tile \"" + v + "\" (I/N with 0 <= I < N)";
    return false;
}

bool SetStitch(RenderOptions* o, const std::string& v, std::string*) {
    o->joinedOutput = v;
    o->stitch = true;
    return true;
}

bool SetFrames(RenderOptions* o, const std::string& v, std::string*) {
    o->paramFile = v;
    o->frames = true;
    return true;
}

constexpr int largestFrameCount = 100000000;

bool SetFrameCount(RenderOptions* o, const std::string& v, std::string* error) {
    return SetWhole(v, 1, largestFrameCount, "frame count", &o->frameCount, error);
}

bool SetFrameIndex(RenderOptions* o, const std::string& v, std::string* error) {
    return SetWhole(v, 0, largestFrameCount - 1, "frame number", &o->frameIndex, error);
}

bool SetStreams(RenderOptions* o, const std::string& v, std::string* error) {
    return SetWhole(v, 1, largestStreamCount, "stream count", &o->streams, error);
}

bool SetStreamRange(RenderOptions* o, const std::string& v, std::string* error) {
    const size_t colon = v.find(':');
    uint64_t first = 0, end = 0;
    if (colon == std::string::npos || !ParseUnsigned(v.substr(0, colon), 65536, &first) ||
        !ParseUnsigned(v.substr(colon + 1), 65536, &end) || first >= end) {
        *error = "bad stream range \"" + v + "\" (A:B with A < B)";
        return false;
    }
    o->streamFirst = static_cast<int>(first);
    o->streamEnd = static_cast<int>(end);
    return true;
}

bool SetMergeCounts(RenderOptions* o, const std::string& v, std::string*) {
    o->joinedOutput = v;
    o->mergeCounts = true;
    return true;
}

const OptionSpec kOptions[] = {
    {"-h", "--help", false, SetFlag<&RenderOptions::help>},
    {"-o", "--output", true, SetText<&RenderOptions::output>},
    {"-s", "--size", true, SetSize},
    {"-j", "--threads", true, SetThreads},
    {nullptr, "--planes", true, SetText<&RenderOptions::planesFile>},
    {nullptr, "--supersample", true, SetSupersample},
    {"-q", "--quality", true, SetQuality},
    {nullptr, "--baseline", false, SetFlag<&RenderOptions::baseline>},
    {nullptr, "--plugin", true, SetText<&RenderOptions::plugin>},
    {nullptr, "--write-params", true, SetText<&RenderOptions::writeParams>},
    {nullptr, "--attractor", true, SetAttractor},
    {nullptr, "--steps", true, SetSteps},
    {nullptr, "--seed", true, SetSeed},
    {nullptr, "--streams", true, SetStreams},
    {nullptr, "--stream-range", true, SetStreamRange},
    {nullptr, "--counts", true, SetText<&RenderOptions::countsFile>},
    {nullptr, "--merge-counts", true, SetMergeCounts},
    {nullptr, "--tile", true, SetTile},
    {nullptr, "--stitch", true, SetStitch},
    {nullptr, "--frames", true, SetFrames},
    {nullptr, "--count", true, SetFrameCount},
    {nullptr, "--frame", true, SetFrameIndex},
};

const OptionSpec* FindOption(const std::string& name) {
    for (const OptionSpec& option : kOptions) {
        if ((option.shortName && name == option.shortName) || name == option.longName) return &option;
    }
    return nullptr;
}

// Handles the option at argv[*i] ("--name value", "--name=value", "-x value"
// or "-xVALUE"); a value in the next argument moves *i on.
bool TakeOption(int argc, const char* const* argv, int* i, RenderOptions* o, std::string* error) {
    const std::string arg = argv[*i];
    std::string name = arg;
    std::string value;
    bool hasValue = false;
    if (arg.compare(0, 2, "--") == 0) {
        const size_t eq = arg.find('=');
        if (eq != std::string::npos) {
            name = arg.substr(0, eq);
            value = arg.substr(eq + 1);
            hasValue = true;
        }
    } else if (arg.size() > 2) {
        name = arg.substr(0, 2);
        value = arg.substr(2);
        hasValue = true;
    }
    const OptionSpec* option = FindOption(name);
    if (!option) {
        *error = "unknown option " + name;
        return false;
    }
    if (!option->takesValue && hasValue) {
        *error = "option " + name + " takes no value";
        return false;
    }
    if (option->takesValue && !hasValue) {
        if (*i + 1 >= argc) {
            *error = "option " + name + " needs a value";
            return false;
        }
        value = argv[++*i];
    }
    return option->apply(o, value, error);
}

// Supersampled pictures are escape-time pictures without planes.
bool CheckSupersample(const RenderOptions& o, std::string* error) {
    if (o.supersample > 1 && o.attractor) {
        *error = "--supersample is for escape-time pictures, not with --attractor";
        return false;
    }
    if (o.supersample > 1 && !o.planesFile.empty()) {
        *error = "--planes cannot be written with --supersample above 1";
        return false;
    }
    return true;
}

// A tile is a PNG band of an escape-time picture; stitching takes tiles
// and the output's own settings only.
bool CheckWorkSplit(const std::vector<std::string>& positionals, RenderOptions* o, std::string* error) {
    const bool share = !o->countsFile.empty() || o->streamEnd > 0;
    if (o->stitch || o->mergeCounts) {
        // OUT names the picture; a later -o must not quietly replace it.
        if (!o->output.empty()) {
            *error = std::string(o->stitch ? "--stitch" : "--merge-counts") + " OUT names the picture: no -o with it";
            return false;
        }
        o->output = o->joinedOutput;
    }
    if (o->mergeCounts) {
        if (o->stitch || o->frames || o->attractor || share || o->tileCount > 0 || !o->planesFile.empty() ||
            !o->writeParams.empty() || o->supersample > 1 || o->steps >= 0 || o->hasSeed || o->streams != 0) {
            *error = "--merge-counts takes only the picture's -o settings (-q, --baseline) and the counts files";
            return false;
        }
        if (positionals.empty()) {
            *error = "--merge-counts needs the counts files";
            return false;
        }
        o->countsFiles = positionals;
        return true;
    }
    if (share && !o->attractor) {
        *error = "--stream-range and --counts need --attractor";
        return false;
    }
    if (o->stitch) {
        if (o->attractor || o->tileCount > 0 || !o->planesFile.empty() || !o->writeParams.empty() ||
            o->supersample > 1) {
            *error = "--stitch takes only the picture's -o settings (-q, --baseline) and the tiles";
            return false;
        }
        if (positionals.empty()) {
            *error = "--stitch needs the tile files";
            return false;
        }
        o->tiles = positionals;
        return true;
    }
    if (o->frames || o->frameCount > 0 || o->frameIndex >= 0) {
        if (!o->frames || o->frameCount < 1 || positionals.size() != 1) {
            *error = "frames need --frames START END --count K";
            return false;
        }
        if (o->frameIndex >= o->frameCount) {
            *error = "--frame " + std::to_string(o->frameIndex) + " is not below --count " + std::to_string(o->frameCount);
            return false;
        }
        if (o->attractor || o->tileCount > 0 || !o->planesFile.empty() || (!o->writeParams.empty() && o->frameIndex < 0)) {
            *error = "--frames draws escape-time pictures, without --tile or --planes (--write-params with --frame)";
            return false;
        }
        if (!IsFramePattern(o->output)) {
            *error = "frames need -o with one frame number conversion, such as frame-%05d.png";
            return false;
        }
        o->framesEnd = positionals[0];
        return true;
    }
    if (o->tileCount > 0) {
        if (o->attractor || !o->planesFile.empty()) {
            *error = "--tile is for escape-time pictures, without --planes";
            return false;
        }
        if (o->tileCount > o->height) {
            *error = "--tile " + std::to_string(o->tileIndex) + "/" + std::to_string(o->tileCount) +
                     ": more tiles than rows";
            return false;
        }
        if (positionals.size() == 1 && o->output.empty()) {
            o->output = ReplaceExtension(positionals[0], ".tile-" + std::to_string(o->tileIndex) + "-of-" +
                                                             std::to_string(o->tileCount) + ".png");
        }
        if (!o->output.empty() && PictureFormatOf(o->output) != PictureFormat::Png) {
            *error = "a tile is written as PNG: " + o->output;
            return false;
        }
    }
    return true;
}

// A share of an attractor run's streams writes its counters alone; the
// shares of one run must start from the same seed.
bool CheckShare(RenderOptions* o, std::string* error) {
    if (o->countsFile.empty()) {
        *error = "--stream-range needs --counts FILE.npy";
        return false;
    }
    if (o->streams < 2) {
        *error = "--counts needs --streams K above 1 (one stream is a single sequence and is not shared out)";
        return false;
    }
    if (!o->hasSeed) {
        *error = "--counts needs --seed S, the same for every share";
        return false;
    }
    if (o->streamEnd == 0) o->streamEnd = o->streams;
    if (o->streamEnd > o->streams) {
        *error = "--stream-range " + std::to_string(o->streamFirst) + ":" + std::to_string(o->streamEnd) +
                 " goes beyond the " + std::to_string(o->streams) + " streams";
        return false;
    }
    if (!o->output.empty() || !o->writeParams.empty()) {
        *error = "--counts writes no picture: -o and --write-params go with --merge-counts";
        return false;
    }
    return true;
}

// The file arguments and the combinations the two kinds of picture allow;
// an output name follows from the parameter file when none was given.
bool CheckMode(const std::vector<std::string>& positionals, RenderOptions* o, std::string* error) {
    if (!CheckWorkSplit(positionals, o, error)) return false;
    const int positionalCount = static_cast<int>(positionals.size());
    const std::string positional = positionals.empty() ? std::string() : positionals.back();
    if (o->stitch || o->frames || o->mergeCounts) {
        // the tiles, the end of the frame series or the counts files are
        // the file arguments
    } else if (o->attractor) {
        if (positionalCount != 0) {
            *error = "unexpected argument \"" + positional + "\" with --attractor";
            return false;
        }
        if (!o->countsFile.empty() || o->streamEnd > 0) {
            // Every share must be told the whole run.
            if (o->steps < 0) {
                *error = "--counts needs --steps N, the same for every share";
                return false;
            }
            return CheckShare(o, error) && CheckSupersample(*o, error);
        }
    } else {
        if (positionalCount != 1) {
            *error = positionalCount == 0 ? "no parameter file given" : "more than one parameter file given";
            return false;
        }
        if (o->steps >= 0 || o->hasSeed || o->streams != 0) {
            *error = "--steps, --seed and --streams need --attractor";
            return false;
        }
        o->paramFile = positional;
    }
    if (o->output.empty()) o->output = ReplaceExtension(o->paramFile, ".bmp");
    if (PictureFormatOf(o->output) == PictureFormat::Unknown) {
        *error = "unknown picture type " + o->output + " (use .bmp, .jpg, .jpeg or .png)";
        return false;
    }
    return CheckSupersample(*o, error);
}

}  // namespace

bool ParseRenderCommandLine(int argc, const char* const* argv, RenderOptions* o, std::string* error) {
    std::vector<std::string> positionals;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-") {
            positionals.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (!TakeOption(argc, argv, &i, o, error)) {
            return false;
        }
    }
    return o->help || CheckMode(positionals, o, error);
}

const char* RenderUsage() {
    return "Usage: zarvo-render [OPTIONS] PARAMFILE.zrv|PICTURE.png|PICTURE.jpg\n"
           "       zarvo-render --attractor PARAMFILE.vtl [--steps N] [--seed S] [OPTIONS]\n"
           "       zarvo-render --stitch OUT [-q N] [--baseline] TILE.png...\n"
           "       zarvo-render --frames START.zrv END.zrv --count K [--frame I] -o PATTERN [OPTIONS]\n"
           "       zarvo-render --attractor PARAMFILE.vtl --steps N --seed S --streams K\n"
           "                    --stream-range A:B --counts FILE.npy [-j N]\n"
           "       zarvo-render --merge-counts OUT [-q N] [--baseline] FILE.npy...\n"
           "Draws the picture of a parameter file, or of the parameter file a PNG or\n"
           "JPEG picture carries, without a display.\n"
           "\n"
           "  -o, --output FILE        picture to write, .bmp, .jpg/.jpeg or .png\n"
           "                           (default: PARAMFILE with .bmp)\n"
           "  -s, --size WxH           picture size, each side 1..65500 (default 180x120);\n"
           "                           written row band by row band (attractor pictures:\n"
           "                           each side 1..16384)\n"
           "  -j, --threads N          worker threads; 1 is the one-thread scan; pictures are\n"
           "                           identical for every N (default: all cores)\n"
           "      --supersample N      N = 1..8: each pixel the average of N x N pixels of the\n"
           "                           picture drawn N times as large, in linear light\n"
           "      --planes FILE.npy    also write the two result planes (2 x H x W doubles)\n"
           "  -q, --quality N          JPEG quality 1..100 (default 85)\n"
           "      --baseline           JPEG without progressive encoding (always so above\n"
           "                           32 megapixels)\n"
           "      --plugin FILE        formula plug-in (default qorl01.zvo beside the\n"
           "                           program, then in the current directory)\n"
           "      --write-params FILE  also write the parameter file of the picture\n"
           "      --attractor FILE     draw an attractor picture from a .vtl file\n"
           "      --steps N            map steps of the attractor run\n"
           "      --seed S             fixes the attractor's random generator\n"
           "      --streams K          K independent sample streams share the steps\n"
           "                           (default 1, the single sequence)\n"
           "                           (a .vtl that records its run gives the steps,\n"
           "                           seed and streams not given here)\n"
           "\n"
           "Work split for several machines (identical to a single run):\n"
           "      --tile I/N           draw band I (0-based) of N horizontal bands into a PNG\n"
           "                           tile (default: PARAMFILE with .tile-I-of-N.png)\n"
           "      --stitch OUT         join a complete tile set into OUT (.bmp, .jpg, .png)\n"
           "      --frames START END   a frame series from START to END: the zoom moves\n"
           "                           geometrically, other real parameters linearly, the\n"
           "                           rest is START's (both: same formula and render method)\n"
           "      --count K            frames in the series\n"
           "      --frame I            draw frame I (0..K-1) only; with --write-params its\n"
           "                           parameter file is written too\n"
           "                           (-o: a pattern such as frame-%05d.png)\n"
           "      --stream-range A:B   with --attractor, --streams K and --seed: run only\n"
           "                           streams A..B-1 (default all), each with the steps it\n"
           "                           has in the run of all K\n"
           "      --counts FILE.npy    ... and write their hit counters, not a picture:\n"
           "                           NumPy arrays one after the other, the first the\n"
           "                           counters (int64, shape (H, W)), then the stamps\n"
           "                           Color Mix shows (uint64, (H, W)), the hit grid\n"
           "                           (uint64, (H*n, W*n, 2)) and the share's parameters\n"
           "                           and .vtl as text (uint8). A fault in a stream is\n"
           "                           recorded (status 0) and told by the merge\n"
           "      --merge-counts OUT   add counts files that hold streams 0..K-1 of one run\n"
           "                           exactly once and colour them into OUT, the picture\n"
           "                           of that run\n"
           "  -h, --help               this text\n"
           "\n"
           "Exit status: 0 picture written, 1 bad usage or file/plug-in problem,\n"
           "2 the parameter file does not convert, 3 a floating-point fault ended the scan.\n";
}

namespace {

// The path made absolute, with the links of its existing part resolved.
std::filesystem::path Normalised(const std::string& path) {
    std::error_code ec;
    std::filesystem::path p = std::filesystem::weakly_canonical(std::filesystem::absolute(path, ec), ec);
    return ec ? std::filesystem::path(path).lexically_normal() : p;
}

bool SameFile(const std::string& a, const std::string& b) {
    struct stat sa, sb;
    const bool aExists = stat(a.c_str(), &sa) == 0;
    const bool bExists = stat(b.c_str(), &sb) == 0;
    if (aExists && bExists) return S_ISREG(sa.st_mode) && sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino;
    return aExists == bExists && Normalised(a) == Normalised(b);
}

}  // namespace

bool OutputsAreDistinct(const RenderOptions& o, std::string* error) {
    const std::pair<const char*, const std::string*> outputs[] = {
        {"-o", &o.output}, {"--planes", &o.planesFile}, {"--write-params", &o.writeParams}, {"--counts", &o.countsFile}};
    for (size_t i = 0; i < std::size(outputs); ++i) {
        const std::string& path = *outputs[i].second;
        if (path.empty()) continue;
        if (SameFile(path, o.paramFile)) {
            *error = std::string(outputs[i].first) + " " + path + " would overwrite the parameter file";
            return false;
        }
        for (const auto& [what, inputs] : {std::pair{"tile", &o.tiles}, {"counts file", &o.countsFiles}}) {
            for (const std::string& input : *inputs) {
                if (SameFile(path, input)) {
                    *error = std::string(outputs[i].first) + " " + path + " would overwrite the " + what + " " + input;
                    return false;
                }
            }
        }
        for (size_t j = 0; j < i; ++j) {
            if (!outputs[j].second->empty() && SameFile(path, *outputs[j].second)) {
                *error = std::string(outputs[i].first) + " " + path + " names the same file as " + outputs[j].first;
                return false;
            }
        }
    }
    return true;
}

}  // namespace zarvo
