// Tool-bar glyphs drawn by the program itself, for the commands the
// toolkit has no standard icon for.
#pragma once

#include <QIcon>

namespace zarvo {

QIcon ParameterFileGlyph();  // a sheet with lines and a gear-like dot
QIcon ApplyGlyph();          // a green "play" triangle over a small grid
QIcon ParametersGlyph();     // three sliders
QIcon SizeGlyph();           // a frame with two arrows
QIcon FormulaListGlyph();    // "f(z)" over a list
QIcon ColourGlyph();         // three overlapping colour discs
QIcon ZoomGlyph();           // a magnifier over a dashed rectangle
QIcon StopGlyph();           // a red octagon
QIcon ResetGlyph();          // a circular arrow around a dot

}  // namespace zarvo
