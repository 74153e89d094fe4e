#include "file_names.h"

#include <cctype>

namespace zarvo {

namespace {

std::string Cased(std::string s, int (*convert)(int)) {
    for (char& c : s) c = static_cast<char>(convert(static_cast<unsigned char>(c)));
    return s;
}

size_t NameStart(const std::string& path, const char* separators) {
    const size_t sep = path.find_last_of(separators);
    return sep == std::string::npos ? 0 : sep + 1;
}

// The dot that starts the extension, or npos.
size_t ExtensionDot(const std::string& path) {
    const size_t start = NameStart(path, "/\\:");
    const size_t dot = path.find_last_of('.');
    return dot == std::string::npos || dot < start ? std::string::npos : dot;
}

}  // namespace

std::string FileNamePart(const std::string& path) { return path.substr(NameStart(path, "/")); }

std::string FileNameStem(const std::string& path) {
    std::string name = FileNamePart(path);
    const size_t dot = name.find_last_of('.');
    if (dot != std::string::npos) name.erase(dot);
    return name;
}

std::string SaveExtension(const std::string& path) {
    const size_t dot = ExtensionDot(path);
    return dot == std::string::npos ? std::string() : Cased(path.substr(dot, 4), std::toupper);
}

PictureFormat SaveFormat(const std::string& path) {
    const std::string ext = SaveExtension(path);
    const size_t dot = ExtensionDot(path);
    if (ext == ".JPG" || (dot != std::string::npos && Cased(path.substr(dot), std::toupper) == ".JPEG"))
        return PictureFormat::Jpeg;
    if (ext == ".BMP") return PictureFormat::Bmp;
    if (ext == ".PNG") return PictureFormat::Png;
    return PictureFormat::Unknown;
}

PictureFormat PictureFormatOf(const std::string& path) {
    const size_t dot = ExtensionDot(path);
    if (dot == std::string::npos) return PictureFormat::Unknown;
    const std::string ext = Cased(path.substr(dot), std::tolower);
    if (ext == ".bmp") return PictureFormat::Bmp;
    if (ext == ".jpg" || ext == ".jpeg") return PictureFormat::Jpeg;
    if (ext == ".png") return PictureFormat::Png;
    return PictureFormat::Unknown;
}

std::string ReplaceExtension(const std::string& path, const std::string& newExtension) {
    const size_t dot = ExtensionDot(path);
    return (dot == std::string::npos ? path : path.substr(0, dot)) + newExtension;
}

std::string ParameterFilePathFor(const std::string& picturePath) { return ReplaceExtension(picturePath, ".zrv"); }

std::string VtlFilePathFor(const std::string& picturePath) {
    const size_t base = NameStart(picturePath, "/\\");
    const size_t keep = picturePath.size() - base >= 3 ? picturePath.size() - 3 : base;
    return picturePath.substr(0, keep) + "vtl";
}

}  // namespace zarvo
