// libpng's error handling for the PNG writer and reader: an error jumps back
// to the caller's setjmp(png_jmpbuf(...)) with its text kept here; warnings
// are not printed.
#pragma once

#include <png.h>

namespace zarvo {

struct PngErrorText {
    char message[256] = "";
};

// The error and warning functions for png_create_*_struct, with a
// PngErrorText as their pointer.
void PngError(png_structp png, png_const_charp message);
void PngWarning(png_structp png, png_const_charp message);

}  // namespace zarvo
