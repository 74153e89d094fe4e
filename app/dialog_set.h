// The program's single-instance forms beside the main frame, created once
// at start-up in this order: About box, image size, iteration parameters,
// formula list, colours, attractor parameters, attractor view, JPEG options.
#pragma once

#include "about_box.h"
#include "colour_dialog.h"
#include "image_size_dialog.h"
#include "iteration_parameters_dialog.h"
#include "jpeg_dialog.h"
#include "list_form.h"
#include "orbit_inspector.h"
#include "attractor_params_dialog.h"
#include "attractor_view.h"

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
    // Tools of the exploring commands, created after the forms above.
    TOrbitInspector* inspector = nullptr;
};

}  // namespace zarvo
