#include "render_output.h"

#include <cstdio>

#include "file_names.h"
#include "picture_writer.h"

namespace zarvo {

int Fail(int status, const std::string& text) {
    std::fprintf(stderr, "zarvo-render: %s\n", text.c_str());
    return status;
}

bool WriteOutputPicture(const RenderOptions& o, const RgbImage& image, std::string* error) {
    return WritePicture(image, o.output, PictureFormatOf(o.output), o.quality, !o.baseline, error);
}

}  // namespace zarvo
