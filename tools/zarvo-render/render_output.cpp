#include "render_output.h"

#include <stdlib.h>
#include <unistd.h>

#include <cstdio>
#include <filesystem>

#include "file_names.h"

namespace zarvo {

int Fail(int status, const std::string& text) {
    std::fprintf(stderr, "zarvo-render: %s\n", text.c_str());
    return status;
}

bool NewTemporaryFile(const std::string& name, std::string* path) {
    *path = (std::filesystem::temp_directory_path() / name).string();
    const size_t x = path->rfind("XXXXXX");
    const int fd = mkstemps(path->data(), static_cast<int>(path->size() - x - 6));
    if (fd < 0) return false;
    close(fd);
    return true;
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
