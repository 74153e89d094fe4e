#include "colouring.h"

#include <cmath>

#include "blend.h"
#include "palette.h"

namespace zarvo {

namespace {

const MenuChoice kOrders[] = {{1, "1.) RGB"}, {2, "2.) RBG"}, {3, "3.) GBR"},
                              {4, "4.) GRB"}, {5, "5.) BRG"}, {6, "6.) BGR"}};

// Source channel of red, green and blue for each order.
const int kChannelOrder[6][3] = {{0, 1, 2}, {0, 2, 1}, {1, 2, 0}, {1, 0, 2}, {2, 0, 1}, {2, 1, 0}};

}  // namespace

MenuChoiceList RgbOrders() { return MenuChoiceList{kOrders, 6}; }

const int* ChannelOrder(int rgbOrder) {
    if (rgbOrder < 1 || rgbOrder > 6) return nullptr;
    return kChannelOrder[rgbOrder - 1];
}

void BlendMethods(ParameterSet& ps, ColourScratch& cs, Reporter& reporter) {
    ps.resultA = ps.resultA * ps.intensity;
    ps.resultB = ps.resultB * ps.intensity;
    const Palette palette = PaletteOf(ps);
    BlendChannels(ps.blendMethod, ps.resultA, ps.resultB, palette, cs.blendIn, cs.channelValue);
    coloring(ps, cs, reporter);
}

bool ChannelBytes(const Palette& palette, const double channelValue[3], double cosine[3], int byte[3]) {
    bool numbers = true;
    for (int k = 0; k < 3; ++k) {
        const double v = PalettePosition(palette.channel[k], channelValue[k]);
        cosine[k] = std::cos(kPaletteTwoPi * v);
        if (!CosineToByte(cosine[k], byte[k])) numbers = false;
    }
    return numbers;
}

void coloring(const ParameterSet& ps, ColourScratch& cs, Reporter& reporter) {
    cs.pixelFaulted = !ChannelBytes(PaletteOf(ps), cs.channelValue, cs.blendIn, cs.channelByte);
    if (cs.pixelFaulted) return;
    const int* b = cs.channelByte;
    if (b[0] >= 256 || b[1] >= 256 || b[2] >= 256) {
        reporter.message("bug 1");
        cs.colourFault = 1;
    }
    if (b[0] < 0 || b[1] < 0 || b[2] < 0) {
        reporter.message("bug 2");
        cs.colourFault = 1;
    }
}

PixelColourer::PixelColourer(const FormulaRecord& rec)
    : palette_(PaletteOf(rec)),
      blend_(rec.blendMethod),
      order_(ChannelOrder(rec.rgbOrder)),
      intensity_(rec.intensity) {}

bool PixelColourer::colour(double a, double b, uint8_t rgb[3]) const {
    double in[3], h[3];
    BlendChannels(blend_, a * intensity_, b * intensity_, palette_, in, h);
    int bytes[3];
    if (!ChannelBytes(palette_, h, in, bytes)) return false;
    for (int k = 0; k < 3; ++k) rgb[k] = static_cast<uint8_t>(bytes[order_[k]]);
    return true;
}

void ApplyColor(ParameterSet& ps, const ColourScratch& cs, int x, int y, Reporter& reporter) {
    const int* order = ChannelOrder(ps.rgbOrder);
    if (order == nullptr) {
        reporter.message("Wrong coloringorder number");
        return;
    }
    if (cs.pixelFaulted || !ps.workBitmap.contains(x, y)) return;
    ps.workBitmap.set(x, y, static_cast<uint8_t>(cs.channelByte[order[0]]),
                      static_cast<uint8_t>(cs.channelByte[order[1]]), static_cast<uint8_t>(cs.channelByte[order[2]]));
}

}  // namespace zarvo
