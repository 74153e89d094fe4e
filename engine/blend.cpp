#include "blend.h"

namespace zarvo {

namespace {
const MenuChoice kBlends[] = {{1, "01"}, {2, "02"}, {3, "03"}, {4, "04"}, {5, "05"}};
}  // namespace

MenuChoiceList BlendChoices() { return MenuChoiceList{kBlends, 5}; }

bool BlendChannels(int blendMethod, double a, double b, const Palette& palette, double blendIn[3],
                   double channelValue[3]) {
    LibraryTrig trig;
    return BlendChannelsWith(blendMethod, a, b, palette, blendIn, channelValue, trig);
}

}  // namespace zarvo
