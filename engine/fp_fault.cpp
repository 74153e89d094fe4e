#include "fp_fault.h"

namespace zarvo {

void ClearFaults() { std::feclearexcept(kFaultFlags); }

std::string FaultDescription(int raised) {
    if (raised & FE_DIVBYZERO) return "Floating point division by zero";
    if (raised & FE_OVERFLOW) return "Floating point overflow";
    if (raised & FE_INVALID) return "Invalid floating point operation";
    return std::string();
}

std::string PendingFault() { return FaultDescription(PendingFaultFlags()); }

}  // namespace zarvo
