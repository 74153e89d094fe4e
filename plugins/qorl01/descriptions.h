// Plug-in one's description table: one row per formula with its routine and
// the title and description texts that _info hands to the host.
#ifndef ZARVO_QORL01_DESCRIPTIONS_H
#define ZARVO_QORL01_DESCRIPTIONS_H

#include "plugin_entry.h"

#include <cstdint>

namespace zarvo::qorl01 {

constexpr int32_t kFormulaCount = 49;
extern const formula::FormulaRow<FormulaRecord> kFormulaRows[kFormulaCount];

}  // namespace zarvo::qorl01

#endif
