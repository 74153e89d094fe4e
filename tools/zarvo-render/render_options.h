// The command line of zarvo-render.
#pragma once

#include <cstdint>
#include <string>

namespace zarvo {

constexpr int renderMaxSide = 16384;

struct RenderOptions {
    bool help = false;
    std::string paramFile;    // the .zrv file (escape-time pictures)
    std::string output;       // picture to write; empty: paramFile with ".bmp"
    int width = 180;
    int height = 120;
    std::string planesFile;   // --planes FILE.npy
    int quality = 85;
    bool baseline = false;
    std::string plugin;       // --plugin FILE; empty: qorl01.zvo by the usual lookup
    std::string writeParams;  // --write-params FILE.zrv
    int threads = 0;          // -j/--threads N; 0: one per core

    // Attractor pictures: --attractor FILE.vtl --steps N [--seed S].
    bool attractor = false;
    std::string attractorFile;
    int64_t steps = -1;
    bool hasSeed = false;
    uint64_t seed = 0;
};

enum class PictureFormat { Bmp, Jpeg, Unknown };

// Parses argv into *options. Returns false with *error describing the
// mistake (bad usage); -h/--help sets options->help and returns true.
bool ParseRenderCommandLine(int argc, const char* const* argv, RenderOptions* options, std::string* error);

// "WxH" with each side 1..renderMaxSide.
bool ParsePictureSize(const std::string& text, int* width, int* height);

// .bmp, or .jpg/.jpeg (case-insensitive).
PictureFormat PictureFormatOf(const std::string& path);

// path with its extension (from the last dot of the file name) replaced by
// newExtension, or newExtension appended when there is none.
std::string ReplaceExtension(const std::string& path, const std::string& newExtension);

const char* RenderUsage();

}  // namespace zarvo
