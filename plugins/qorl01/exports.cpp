// The three C exports of plug-in one. The working storage is static: one
// WorkState for the whole plug-in, overwritten by every call, so _formula is
// not re-entrant (the host calls it from one thread).
#include "descriptions.h"

namespace {

zarvo::formula::WorkState gWork;

} // namespace

extern "C" {

ZARVO_EXPORT int32_t _total(void) noexcept
{
    return zarvo::qorl01::kFormulaCount;
}

ZARVO_EXPORT int32_t _info(FormulaRecord* rec) noexcept
{
    return zarvo::formula::describeFormula(rec, zarvo::qorl01::kFormulaRows,
                                           zarvo::qorl01::kFormulaCount);
}

ZARVO_EXPORT int32_t _formula(FormulaRecord* rec) noexcept
{
    return zarvo::formula::runFormula(rec, gWork, zarvo::qorl01::kFormulaRows,
                                      zarvo::qorl01::kFormulaCount,
                                      zarvo::formula::mirrorInUnitCircle);
}

} // extern "C"
