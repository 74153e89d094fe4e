// Floating-point faults. The formulas and render methods run with division
// by zero, overflow and invalid operations treated as faults that end the
// scan in progress. They are detected through the sticky exception flags,
// tested after each pixel, so a fault can never crash the program.
#pragma once

#include <string>

namespace zarvo {

// Clears the three fault flags.
void ClearFaults();

// The description of a raised fault ("Floating point division by zero",
// "Floating point overflow", "Invalid floating point operation"), or an
// empty string when none is raised.
std::string PendingFault();

}  // namespace zarvo
