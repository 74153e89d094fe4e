// Event handling inside a scan runs toolkit code between two pixels. The
// scan detects floating-point faults through the sticky exception flags, so
// whatever the toolkit does to those flags must not reach it: the flags are
// saved before and restored after every such call (FpStateGuard).
#pragma once

#include "fp_fault.h"
