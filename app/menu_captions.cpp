#include "menu_captions.h"

#include "blend.h"
#include "colouring.h"
#include "orbit_transform.h"
#include "render_methods.h"

namespace zarvo {

namespace {

std::vector<MenuCaption> FromChoices(const MenuChoiceList& list) {
    std::vector<MenuCaption> out;
    for (const MenuChoice& c : list) out.push_back({c.number, c.caption, 1});
    return out;
}

}  // namespace

std::vector<MenuCaption> RenderMethodCaptions() {
    std::vector<MenuCaption> out;
    const RenderMethodInfo* methods = RenderMethods();
    for (int i = 0; i < renderMethodCount; ++i) out.push_back({methods[i].number, methods[i].caption, methods[i].menu});
    return out;
}

std::vector<MenuCaption> TransformCaptions() { return FromChoices(OrbitTransforms()); }
std::vector<MenuCaption> BlendCaptions() { return FromChoices(BlendChoices()); }
std::vector<MenuCaption> RgbOrderCaptions() { return FromChoices(RgbOrders()); }

}  // namespace zarvo
