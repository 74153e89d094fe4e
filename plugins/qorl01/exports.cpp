// The C exports of plug-in one. _formula keeps its working values on its own
// stack, so calls on different records may run at the same time; _reentrant
// tells the host so.
#include "descriptions.h"

extern "C" {

ZARVO_EXPORT int32_t _total(void) noexcept { return zarvo::qorl01::kFormulaCount; }

ZARVO_EXPORT int32_t _info(FormulaRecord* rec) noexcept {
    return zarvo::formula::describeFormula(rec, zarvo::qorl01::kFormulaRows, zarvo::qorl01::kFormulaCount);
}

ZARVO_EXPORT int32_t _formula(FormulaRecord* rec) noexcept {
    return zarvo::formula::runFormula(rec, zarvo::qorl01::kFormulaRows, zarvo::qorl01::kFormulaCount,
                                      zarvo::formula::mirrorInUnitCircle);
}

ZARVO_EXPORT int32_t _reentrant(void) noexcept { return 1; }

}  // extern "C"
