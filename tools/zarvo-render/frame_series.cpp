#include "frame_series.h"

#include <cmath>
#include <cstdio>
#include <vector>

#include "escape_render.h"
#include "parameter_file.h"
#include "parameter_file_layout.h"
#include "render_output.h"

namespace zarvo {

namespace {

bool ReadParameters(const std::string& path, ParameterSet* ps, std::string* error) {
    CollectingReporter messages;
    const ParameterFileResult loaded = LoadParameters(*ps, path, messages);
    if (!loaded.opened) {
        *error = loaded.error;
        return false;
    }
    if (loaded.errorLine != 0) {
        *error = "Error reading parameter file " + path + ", line " + std::to_string(loaded.errorLine);
        return false;
    }
    return true;
}

double Linear(double a, double b, double t) { return t == 0 ? a : t == 1 ? b : (1 - t) * a + t * b; }
double Geometric(double a, double b, double t) { return t == 0 ? a : t == 1 ? b : a * std::pow(b / a, t); }

}  // namespace

bool FrameParameters(const std::string& start, const std::string& end, int index, int count, ParameterSet* frame,
                     std::string* error) {
    ParameterSet last;
    if (!ReadParameters(start, frame, error) || !ReadParameters(end, &last, error)) return false;
    if (frame->formulaIndex != last.formulaIndex || frame->renderMethod != last.renderMethod) {
        *error = end + " draws another formula or render method than " + start;
        return false;
    }
    if (!(frame->zoom > 0) || !(last.zoom > 0)) {
        *error = "the zoom of " + (frame->zoom > 0 ? end : start) + " is not above 0";
        return false;
    }
    const double t = count > 1 ? static_cast<double>(index) / (count - 1) : 0.0;
    for (const ParameterLine& line : ParameterFileLayout()) {
        if (line.kind != LineKind::Real) continue;
        double& value = line.realIn(*frame);
        const double to = line.realIn(last);
        value = line.real == &ParameterSet::zoom ? Geometric(value, to, t) : Linear(value, to, t);
    }
    return true;
}

bool IsFramePattern(const std::string& pattern) {
    int conversions = 0;
    for (size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '%') continue;
        if (i + 1 < pattern.size() && pattern[i + 1] == '%') {
            ++i;
            continue;
        }
        size_t j = i + 1;
        while (j < pattern.size() && (pattern[j] == '0' || pattern[j] == '-' || pattern[j] == '+' || pattern[j] == ' '))
            ++j;
        while (j < pattern.size() && pattern[j] >= '0' && pattern[j] <= '9') ++j;
        if (j >= pattern.size() || (pattern[j] != 'd' && pattern[j] != 'i') || j - i > 6) return false;
        ++conversions;
        i = j;
    }
    return conversions == 1;
}

std::string FrameFileName(const std::string& pattern, int index) {
    std::vector<char> name(pattern.size() + 64);
    std::snprintf(name.data(), name.size(), pattern.c_str(), index);
    return name.data();
}

int RunFrames(const RenderOptions& o) {
    const int first = o.frameIndex >= 0 ? o.frameIndex : 0;
    const int end = o.frameIndex >= 0 ? o.frameIndex + 1 : o.frameCount;
    int status = exitWritten;
    for (int i = first; i < end; ++i) {
        ParameterSet frame;
        std::string error;
        if (!FrameParameters(o.paramFile, o.framesEnd, i, o.frameCount, &frame, &error))
            return Fail(exitUsageOrFile, error);
        // The frame's own parameter file, drawn like any other.
        std::string temporary;
        if (!NewTemporaryFile("zarvo-frame-XXXXXX.zrv", &temporary))
            return Fail(exitUsageOrFile, "cannot create a file in " + temporary);
        RenderOptions one = o;
        one.paramFile = temporary;
        one.paramName = "frame " + std::to_string(i) + " of " + std::to_string(o.frameCount);
        one.output = FrameFileName(o.output, i);
        const int drawn = WriteParameterFile(frame, temporary, &error) ? RunEscapeRender(one)
                                                                       : Fail(exitUsageOrFile, error);
        std::remove(temporary.c_str());
        if (drawn == exitUsageOrFile) return drawn;
        if (drawn != exitWritten) status = drawn;
    }
    return status;
}

}  // namespace zarvo
