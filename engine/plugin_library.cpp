#include "plugin_library.h"

#include <dlfcn.h>
#include <unistd.h>

#include <climits>

namespace zarvo {

PluginLibrary::~PluginLibrary() { release(); }

std::string PluginLibrary::executableFolder() {
    char buf[PATH_MAX];
    const ssize_t n = readlink("/proc/self/exe", buf, sizeof(buf) - 1);
    if (n <= 0) return std::string();
    std::string path(buf, static_cast<size_t>(n));
    const size_t slash = path.rfind('/');
    return slash == std::string::npos ? std::string() : path.substr(0, slash + 1);
}

bool PluginLibrary::load(const std::string& fileName) {
    release();
    error_.clear();
    std::string candidates[2];
    int count = 0;
    if (fileName.find('/') != std::string::npos) {
        candidates[count++] = fileName;
    } else {
        candidates[count++] = executableFolder() + fileName;
        candidates[count++] = "./" + fileName;
    }
    for (int i = 0; i < count && !handle_; ++i) {
        handle_ = dlopen(candidates[i].c_str(), RTLD_NOW | RTLD_LOCAL);
        if (handle_) {
            path_ = candidates[i];
        } else if (const char* e = dlerror()) {
            if (!error_.empty()) error_ += "; ";
            error_ += e;
        }
    }
    if (!handle_) return false;
    total_ = reinterpret_cast<zarvo_total_fn>(dlsym(handle_, "_total"));
    info_ = reinterpret_cast<zarvo_info_fn>(dlsym(handle_, "_info"));
    formula_ = reinterpret_cast<zarvo_formula_fn>(dlsym(handle_, "_formula"));
    const auto reentrant = reinterpret_cast<zarvo_reentrant_fn>(dlsym(handle_, "_reentrant"));
    reentrant_ = reentrant != nullptr && reentrant() == 1;
    return true;
}

void PluginLibrary::release() {
    if (handle_) dlclose(handle_);
    handle_ = nullptr;
    total_ = nullptr;
    info_ = nullptr;
    formula_ = nullptr;
    reentrant_ = false;
    path_.clear();
}

}  // namespace zarvo
