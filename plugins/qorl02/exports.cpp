// Plug-in two: six test formulas on the earlier record layout. It runs the
// routines of plug-in one's formulas 0 to 5 compiled for FormulaRecordV1,
// with its own texts, inversion by the true reciprocal (1 + 0i)/w, routine 1
// without the final orbit store, routine 4 with an extra one, and a count
// reduced by one on return, so that it equals the number of completed passes.
#include "escape_and_nova.h"
#include "plugin_entry.h"

namespace {

using zarvo::formula::FormulaRow;

constexpr int32_t kFormulaCount = 6;

const FormulaRow<FormulaRecordV1> kFormulaRows[kFormulaCount] = {
    {zarvo::formula::formula0<FormulaRecordV1>, "z*c ", "default "},
    {zarvo::formula::formula1<FormulaRecordV1, false>, "test_01 ", "01 "},
    {zarvo::formula::formula2<FormulaRecordV1>, "test_02 ", "02 "},
    {zarvo::formula::formula3<FormulaRecordV1>, "test_03 ", "03 "},
    {zarvo::formula::formula4<FormulaRecordV1, true>, "test_04 ", "04 "},
    {zarvo::formula::formula5<FormulaRecordV1>, "test_05 ", "05 "},
};

}  // namespace

// The exports take the earlier record; the shared header declares the entry
// types for the current record only, so the signatures are spelled out here.
extern "C" {

ZARVO_EXPORT int32_t _total(void) noexcept { return kFormulaCount; }

ZARVO_EXPORT int32_t _info(FormulaRecordV1* rec) noexcept {
    return zarvo::formula::describeFormula(rec, kFormulaRows, kFormulaCount);
}

ZARVO_EXPORT int32_t _formula(FormulaRecordV1* rec) noexcept {
    zarvo::formula::runFormula(rec, kFormulaRows, kFormulaCount, zarvo::formula::reciprocal);
    if (rec->iterationCount > 0) rec->iterationCount -= 1;
    return rec->iterationCount;
}

// Like plug-in one, it keeps nothing between calls.
ZARVO_EXPORT int32_t _reentrant(void) noexcept { return 1; }

}  // extern "C"
