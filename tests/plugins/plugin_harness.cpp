#include "plugin_harness.h"

#include <dlfcn.h>

namespace zarvo::test {

PluginLibrary::PluginLibrary(const char* path) {
    handle_ = dlopen(path, RTLD_NOW | RTLD_LOCAL);
    if (handle_ == nullptr) {
        const char* message = dlerror();
        error_ = message ? message : "dlopen failed";
    }
}

PluginLibrary::~PluginLibrary() {
    if (handle_ != nullptr) dlclose(handle_);
}

void* PluginLibrary::symbol(const char* name) const { return handle_ != nullptr ? dlsym(handle_, name) : nullptr; }

bool sameBits(double a, double b) { return std::memcmp(&a, &b, sizeof a) == 0; }

}  // namespace zarvo::test
