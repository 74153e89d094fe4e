#include "render_output.h"

#include <cstdio>

#include "file_names.h"

namespace zarvo {

int Fail(int status, const std::string& text) {
    std::fprintf(stderr, "zarvo-render: %s\n", text.c_str());
    return status;
}

PictureFileOptions OutputFileOptions(const RenderOptions& o, const std::string& parameters) {
    PictureFileOptions options;
    options.format = PictureFormatOf(o.output);
    options.quality = o.quality;
    options.progressive = !o.baseline;
    options.parameters = parameters;
    return options;
}

bool WriteOutputPicture(const RenderOptions& o, const RgbImage& image, const std::string& parameters,
                        std::string* error) {
    return WritePicture(image, o.output, OutputFileOptions(o, parameters), error);
}

}  // namespace zarvo
