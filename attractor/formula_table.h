// The 75 drawing formulas as one self-describing table: number, menu,
// caption, whether the menu holds an item for it and whether that item can
// be chosen, family and step function. The parameter dialog builds its
// formula menus and the "Effects" menu from these tables.
#pragma once

#include <array>
#include <cstdint>

#include "map_state.h"
#include "parameter_set.h"

namespace zarvo::attractor {

enum class FormulaFamily { None, W, Xn, Shift, RotatedW, Ifs, Other };

struct AttractorFormula {
    int number;           // 1..75; choosing the item sets formulaIndex to it
    int menu;             // index into FormulaMenuTitles(), -1 when there is no item
    const char* caption;  // the menu item's caption; "" when there is no item
    bool enabled;         // false for 73..75 (shown greyed) and for the absent 56..59
    FormulaFamily family;
    FormulaStep step;  // what the formula computes (may differ from the caption)
};

constexpr int formulaCountVantrel = 75;

// Entries for 1..75 in order: AttractorFormulas()[n - 1] is formula n.
const std::array<AttractorFormula, formulaCountVantrel>& AttractorFormulas();

// The menu bar entries that hold the formula items, in order:
// "Form'" (1..22), "Form'" (23..40), "Plank'" (41..55), "Form''" (60..69),
// "IFS" (70..75).
const std::array<const char*, 5>& FormulaMenuTitles();

// The step function of formula n; formulas without a map (0, 56..59,
// 73..75 and any number outside 1..75) leave the point unchanged.
FormulaStep FormulaStepFor(int32_t n);

// The formula item that carries the check mark for formulaIndex, or 0 when
// none does (56..59, 73..75 and numbers outside 1..75).
int CheckedFormulaItem(int32_t formulaIndex);

// The "Effects" menu: three check items, each toggling one flag.
struct EffectItem {
    const char* caption;
    int32_t ParameterSet::*flag;
};
const char* EffectsMenuTitle();
const std::array<EffectItem, 3>& EffectItems();

}  // namespace zarvo::attractor
