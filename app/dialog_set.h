// The program's single-instance forms beside the main frame, created once
// at start-up in this order: About box, image size, iteration parameters,
// formula list, colours, attractor parameters, attractor view, JPEG options.
//
// Each dialog comes from the dialog library when it is built, otherwise from
// a small stand-in (app/standins/) with the same commands.
#pragma once

#if __has_include("about_box.h")
#include "about_box.h"
#else
#include "standins/about_standin.h"
#endif
#if __has_include("image_size_dialog.h")
#include "image_size_dialog.h"
#define ZARVO_REAL_XY_SIZE 1
#else
#include "standins/xy_size_standin.h"
#endif
#if __has_include("iteration_parameters_dialog.h")
#include "iteration_parameters_dialog.h"
#define ZARVO_REAL_PARAMS 1
#else
#include "standins/params_standin.h"
#endif
#if __has_include("colour_dialog.h")
#include "colour_dialog.h"
#else
#include "standins/colour_standin.h"
#endif
#if __has_include("jpeg_dialog.h")
#include "jpeg_dialog.h"
#else
#include "standins/jpeg_standin.h"
#endif
#if __has_include("vantrel_params_dialog.h")
#include "vantrel_params_dialog.h"
#else
#include "standins/vantrel_params_standin.h"
#endif
#if __has_include("vantrel_view.h")
#include "vantrel_view.h"
#else
#include "standins/vantrel_standin.h"
#endif

#include "list_form.h"

namespace zarvo {

struct DialogSet {
    TAboutBox* about = nullptr;
    TXYSize1* xySize = nullptr;
    TParams1* params = nullptr;
    TListForm* list = nullptr;
    TColorForm* colors = nullptr;
    Tvtl_params1* vantrelParams = nullptr;
    TVantrel* vantrel = nullptr;
    TJPGUnit* jpeg = nullptr;
};

}  // namespace zarvo
