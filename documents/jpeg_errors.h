// libjpeg's error handling for the picture writer and reader. By default an
// error ends the process and warnings are printed; here an error jumps back
// to the caller with its text, and warnings are never printed but noted
// when they say that picture data was missing or corrupt.
#pragma once

#include <csetjmp>
#include <cstdio>

#include <jpeglib.h>

namespace zarvo {

struct JpegErrorManager {
    jpeg_error_mgr pub;
    std::jmp_buf jump;
    char message[JMSG_LENGTH_MAX];
    bool dataDamaged = false;  // the decoder met missing or corrupt data and went on
};

// Sets up `mgr` and returns what goes into the codec's `err`. The caller
// then does `if (setjmp(mgr.jump))` before any other libjpeg call.
jpeg_error_mgr* UseJpegErrors(JpegErrorManager& mgr);

}  // namespace zarvo
