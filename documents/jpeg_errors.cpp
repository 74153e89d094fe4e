#include "jpeg_errors.h"

#include <jerror.h>

namespace zarvo {

namespace {

void JpegErrorExit(j_common_ptr cinfo) {
    auto* mgr = reinterpret_cast<JpegErrorManager*>(cinfo->err);
    (*cinfo->err->format_message)(cinfo, mgr->message);
    std::longjmp(mgr->jump, 1);
}

void JpegQuietOutput(j_common_ptr) {}

void JpegNoteWarning(j_common_ptr cinfo, int level) {
    if (level >= 0) return;  // trace messages
    auto* mgr = reinterpret_cast<JpegErrorManager*>(cinfo->err);
    ++mgr->pub.num_warnings;
    switch (mgr->pub.msg_code) {
        case JWRN_JPEG_EOF:     // the file ended early: the rest is made up
        case JWRN_HIT_MARKER:   // a data segment ended early
        case JWRN_MUST_RESYNC:  // data lost before a restart marker
        case JWRN_NOT_SEQUENTIAL:
            mgr->dataDamaged = true;
            break;
        default:
            break;
    }
}

}  // namespace

jpeg_error_mgr* UseJpegErrors(JpegErrorManager& mgr) {
    jpeg_error_mgr* err = jpeg_std_error(&mgr.pub);
    err->error_exit = JpegErrorExit;
    err->output_message = JpegQuietOutput;
    err->emit_message = JpegNoteWarning;
    mgr.message[0] = '\0';
    mgr.dataDamaged = false;
    return err;
}

}  // namespace zarvo
