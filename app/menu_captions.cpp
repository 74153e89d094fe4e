#include "menu_captions.h"

namespace zarvo {

const std::vector<MenuCaption>& RenderMethodCaptions() {
    static const std::vector<MenuCaption> table = {
        {1, "1.) log(Iterations escape value)"},
        {2, "2.) orbit counting"},
        {3, "3.) orbit counting"},
        {4, "4.) orbit counting"},
        {5, "5.) orbit counting"},
        {6, "6.) orbit counting"},
        {7, "7.) orbit counting"},
        {8, "8.) fractal dimension"},
        {9, "9.)  fractal dimension"},
        {10, "10.) sin(x*x+y*y) (gaussian)"},
        {11, "11.) sin(x*x); sin(y*y) (gaussian)"},
        {12, "12.) sin(x); sin(y); sin(x+y); (gaussian)"},
        {13, "13.) sin(x*y; cos(x*y); sin(x); sin(y); (gaussian)"},
        {14, "14.) sine-trap 01"},
        {15, "15.) sine-trap 02"},
        {16, "16.) sine-trap 03"},
        {17, "17.) sine-trap 04"},
        {18, "18.) x/y; y/x; stalks"},
        {19, "19.) gaussian 2, max"},
        {20, "20.) gaussian 3, max"},
        {21, "21.) transform dimension"},
        {22, "22.) gaussian 5, max"},
        {23, "23.) gaussian 6, max"},
        {24, "24.) Triangle Inequality"},
        {25, "25.) log counting"},
        {26, "26.) sine dimension 8"},
        {27, "27.) gaussian sine dimension 9"},
        {28, "28.) sine dimension 10"},
        {29, "29.) sine dimension 11"},
    };
    return table;
}

const std::vector<MenuCaption>& TransformCaptions() {
    static const std::vector<MenuCaption> table = {
        {0, "00.) None"}, {1, "01.) Swirly"}, {2, "02.) Sinusoidal"}, {3, "03.) Inversion"},
        {4, "04.) Inversion + pixel"},
    };
    return table;
}

const std::vector<MenuCaption>& BlendCaptions() {
    static const std::vector<MenuCaption> table = {{1, "01"}, {2, "02"}, {3, "03"}, {4, "04"}, {5, "05"}};
    return table;
}

const std::vector<MenuCaption>& RgbOrderCaptions() {
    static const std::vector<MenuCaption> table = {
        {1, "1.) RGB"}, {2, "2.) RBG"}, {3, "3.) GBR"}, {4, "4.) GRB"}, {5, "5.) BRG"}, {6, "6.) BGR"},
    };
    return table;
}

}  // namespace zarvo
