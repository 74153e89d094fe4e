// The numbered menu choices of a fractal window, taken from the engine's
// own tables so that every caption exists once.
#pragma once

#include <vector>

namespace zarvo {

struct MenuCaption {
    int value;            // what the command stores (renderMethod, transformMode, ...)
    const char* caption;  // the menu text
    int menu = 1;         // render methods: 1 "Render01", 2 "Render02"
};

std::vector<MenuCaption> RenderMethodCaptions();  // 1..29
std::vector<MenuCaption> TransformCaptions();     // 0..4
std::vector<MenuCaption> BlendCaptions();         // 1..5
std::vector<MenuCaption> RgbOrderCaptions();      // 1..6

}  // namespace zarvo
