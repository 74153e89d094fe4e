// Event handling inside a scan runs toolkit code between two pixels. The
// scan detects floating-point faults through the sticky exception flags, so
// whatever the toolkit does to those flags must not reach it: the flags are
// saved before and restored after every such call.
#pragma once

#include <cfenv>

namespace zarvo {

class FpStateGuard {
public:
    FpStateGuard() { std::fegetexceptflag(&saved_, FE_ALL_EXCEPT); }
    ~FpStateGuard() { std::fesetexceptflag(&saved_, FE_ALL_EXCEPT); }
    FpStateGuard(const FpStateGuard&) = delete;
    FpStateGuard& operator=(const FpStateGuard&) = delete;

private:
    std::fexcept_t saved_;
};

}  // namespace zarvo
