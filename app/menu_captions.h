// Captions of the render-method, transform, blend and channel-order menus,
// numbered as the parameter set stores the choice.
//
// GAP: these texts belong next to the engine's render methods, blends and
// transforms. Until the engine publishes its own caption tables this file
// holds them; replace the bodies in menu_captions.cpp with the engine's
// tables when they exist.
#pragma once

#include <vector>

namespace zarvo {

struct MenuCaption {
    int value;            // what the command stores (renderMethod, transformMode, ...)
    const char* caption;  // the menu text
};

const std::vector<MenuCaption>& RenderMethodCaptions();  // 1..29
const std::vector<MenuCaption>& TransformCaptions();     // 0..4
const std::vector<MenuCaption>& BlendCaptions();         // 1..5
const std::vector<MenuCaption>& RgbOrderCaptions();      // 1..6

// Render methods 1..lastOfFirstRenderMenu go into menu "Render01", the rest
// into "Render02".
constexpr int lastOfFirstRenderMenu = 18;

}  // namespace zarvo
