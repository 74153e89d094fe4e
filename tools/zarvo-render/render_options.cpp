#include "render_options.h"

#include <cctype>
#include <cstdlib>

namespace zarvo {

namespace {

bool ParseUnsigned(const std::string& text, uint64_t max, uint64_t* value) {
    if (text.empty() || text.size() > 20) return false;
    uint64_t v = 0;
    for (char c : text) {
        if (c < '0' || c > '9') return false;
        const uint64_t digit = static_cast<uint64_t>(c - '0');
        if (v > (max - digit) / 10) return false;
        v = v * 10 + digit;
    }
    *value = v;
    return true;
}

std::string Lower(std::string s) {
    for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return s;
}

size_t ExtensionDot(const std::string& path) {
    const size_t slash = path.find_last_of('/');
    const size_t dot = path.find_last_of('.');
    if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return std::string::npos;
    return dot;
}

}  // namespace

bool ParsePictureSize(const std::string& text, int* width, int* height) {
    const size_t x = text.find_first_of("xX");
    if (x == std::string::npos) return false;
    uint64_t w = 0, h = 0;
    if (!ParseUnsigned(text.substr(0, x), renderMaxSide, &w) || !ParseUnsigned(text.substr(x + 1), renderMaxSide, &h))
        return false;
    if (w < 1 || h < 1) return false;
    *width = static_cast<int>(w);
    *height = static_cast<int>(h);
    return true;
}

PictureFormat PictureFormatOf(const std::string& path) {
    const size_t dot = ExtensionDot(path);
    if (dot == std::string::npos) return PictureFormat::Unknown;
    const std::string ext = Lower(path.substr(dot));
    if (ext == ".bmp") return PictureFormat::Bmp;
    if (ext == ".jpg" || ext == ".jpeg") return PictureFormat::Jpeg;
    return PictureFormat::Unknown;
}

std::string ReplaceExtension(const std::string& path, const std::string& newExtension) {
    const size_t dot = ExtensionDot(path);
    return (dot == std::string::npos ? path : path.substr(0, dot)) + newExtension;
}

bool ParseRenderCommandLine(int argc, const char* const* argv, RenderOptions* o, std::string* error) {
    std::string positional;
    int positionalCount = 0;
    bool optionsEnded = false;
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (optionsEnded || arg.empty() || arg[0] != '-' || arg == "-") {
            positional = arg;
            ++positionalCount;
            continue;
        }
        if (arg == "--") {
            optionsEnded = true;
            continue;
        }
        // --name=value and -xVALUE forms.
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
        auto takeValue = [&](std::string* out) {
            if (!hasValue) {
                if (i + 1 >= argc) {
                    *error = "option " + name + " needs a value";
                    return false;
                }
                value = argv[++i];
            }
            *out = value;
            return true;
        };
        auto noValue = [&] {
            if (hasValue) *error = "option " + name + " takes no value";
            return !hasValue;
        };

        std::string v;
        if (name == "-h" || name == "--help") {
            if (!noValue()) return false;
            o->help = true;
        } else if (name == "-o" || name == "--output") {
            if (!takeValue(&o->output)) return false;
        } else if (name == "-s" || name == "--size") {
            if (!takeValue(&v)) return false;
            if (!ParsePictureSize(v, &o->width, &o->height)) {
                *error = "bad picture size \"" + v + "\" (WxH, each side 1.." + std::to_string(renderMaxSide) + ")";
                return false;
            }
        } else if (name == "-j" || name == "--threads") {
            if (!takeValue(&v)) return false;
            uint64_t n = 0;
            if (!ParseUnsigned(v, 1024, &n) || n < 1) {
                *error = "bad thread count \"" + v + "\" (1..1024)";
                return false;
            }
            o->threads = static_cast<int>(n);
        } else if (name == "--planes") {
            if (!takeValue(&o->planesFile)) return false;
        } else if (name == "-q" || name == "--quality") {
            if (!takeValue(&v)) return false;
            uint64_t q = 0;
            if (!ParseUnsigned(v, 100, &q) || q < 1) {
                *error = "bad JPEG quality \"" + v + "\" (1..100)";
                return false;
            }
            o->quality = static_cast<int>(q);
        } else if (name == "--baseline") {
            if (!noValue()) return false;
            o->baseline = true;
        } else if (name == "--plugin") {
            if (!takeValue(&o->plugin)) return false;
        } else if (name == "--write-params") {
            if (!takeValue(&o->writeParams)) return false;
        } else if (name == "--attractor") {
            if (!takeValue(&o->attractorFile)) return false;
            o->attractor = true;
        } else if (name == "--steps") {
            if (!takeValue(&v)) return false;
            uint64_t n = 0;
            if (!ParseUnsigned(v, INT64_MAX, &n)) {
                *error = "bad step count \"" + v + "\"";
                return false;
            }
            o->steps = static_cast<int64_t>(n);
        } else if (name == "--seed") {
            if (!takeValue(&v)) return false;
            if (!ParseUnsigned(v, UINT64_MAX, &o->seed)) {
                *error = "bad seed \"" + v + "\"";
                return false;
            }
            o->hasSeed = true;
        } else {
            *error = "unknown option " + name;
            return false;
        }
    }
    if (o->help) return true;

    if (o->attractor) {
        if (positionalCount != 0) {
            *error = "unexpected argument \"" + positional + "\" with --attractor";
            return false;
        }
        if (o->steps < 0) {
            *error = "--attractor needs --steps N";
            return false;
        }
        if (o->output.empty()) o->output = ReplaceExtension(o->attractorFile, ".bmp");
    } else {
        if (positionalCount != 1) {
            *error = positionalCount == 0 ? "no parameter file given" : "more than one parameter file given";
            return false;
        }
        if (o->steps >= 0 || o->hasSeed) {
            *error = "--steps and --seed need --attractor";
            return false;
        }
        o->paramFile = positional;
        if (o->output.empty()) o->output = ReplaceExtension(o->paramFile, ".bmp");
    }
    if (PictureFormatOf(o->output) == PictureFormat::Unknown) {
        *error = "unknown picture type " + o->output + " (use .bmp, .jpg or .jpeg)";
        return false;
    }
    return true;
}

const char* RenderUsage() {
    return "Usage: zarvo-render [OPTIONS] PARAMFILE.zrv\n"
           "       zarvo-render --attractor PARAMFILE.vtl --steps N [--seed S] [OPTIONS]\n"
           "Draws the picture of a parameter file without a display.\n"
           "\n"
           "  -o, --output FILE        picture to write, .bmp or .jpg/.jpeg\n"
           "                           (default: PARAMFILE with .bmp)\n"
           "  -s, --size WxH           picture size, each side 1..16384 (default 180x120)\n"
           "  -j, --threads N          worker threads; 1 is the one-thread scan; pictures are\n"
           "                           identical for every N (default: all cores)\n"
           "      --planes FILE.npy    also write the two result planes (2 x H x W doubles)\n"
           "  -q, --quality N          JPEG quality 1..100 (default 85)\n"
           "      --baseline           JPEG without progressive encoding\n"
           "      --plugin FILE        formula plug-in (default qorl01.zvo beside the\n"
           "                           program, then in the current directory)\n"
           "      --write-params FILE  also write the parameter file of the picture\n"
           "      --attractor FILE     draw an attractor picture from a .vtl file\n"
           "      --steps N            map steps of the attractor run\n"
           "      --seed S             fixes the attractor's random generator\n"
           "  -h, --help               this text\n"
           "\n"
           "Exit status: 0 picture written, 1 bad usage or file/plug-in problem,\n"
           "2 the parameter file does not convert, 3 a floating-point fault ended the scan.\n";
}

}  // namespace zarvo
