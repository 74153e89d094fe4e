// The names the program derives from a file's path, for both kinds of
// window and for zarvo-render: captions, the extension that picks a
// picture's writer, and the parameter file that goes beside a picture.
#pragma once

#include <string>

#include "picture_writer.h"

namespace zarvo {

// The file name without its folder (a window's caption after a save).
std::string FileNamePart(const std::string& path);
// The file name without folder and extension (a loaded file's caption).
std::string FileNameStem(const std::string& path);

// ".JPG", ".BMP", ... : the text from the last dot after the last '/', '\'
// or ':', upper-cased and cut to four characters; empty without a dot.
std::string SaveExtension(const std::string& path);
// The windows' "Save": ".JPG" (cut extension) or a whole ".jpeg" in any case
// is a JPEG, ".BMP" a bitmap, ".PNG" a PNG; anything else is unknown.
PictureFormat SaveFormat(const std::string& path);
// zarvo-render's pictures: .bmp, .jpg/.jpeg or .png, in any case.
PictureFormat PictureFormatOf(const std::string& path);

// path with its extension (from the last dot of its file name, as
// SaveExtension finds it) replaced by newExtension, or newExtension
// appended when there is none.
std::string ReplaceExtension(const std::string& path, const std::string& newExtension);

// The fractal parameter file beside a picture: its extension replaced by
// ".zrv" (sea.jpg and sea.jpeg give sea.zrv, x gives x.zrv).
std::string ParameterFilePathFor(const std::string& picturePath);
// The attractor parameter file beside a picture: the name's last three
// characters replaced by "vtl" (spiral.jpg gives spiral.vtl, a.jpeg gives
// a.jvtl).
std::string VtlFilePathFor(const std::string& picturePath);

}  // namespace zarvo
