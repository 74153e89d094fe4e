#include "fp_fault.h"

#include <cfenv>

namespace zarvo {

namespace {
constexpr int kFaults = FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID;
}

void ClearFaults() { std::feclearexcept(kFaults); }

std::string PendingFault() {
    const int raised = std::fetestexcept(kFaults);
    if (raised & FE_DIVBYZERO) return "Floating point division by zero";
    if (raised & FE_OVERFLOW) return "Floating point overflow";
    if (raised & FE_INVALID) return "Invalid floating point operation";
    return std::string();
}

}  // namespace zarvo
