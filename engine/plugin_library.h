// Binding to a formula plug-in: a shared library found by file name whose
// three exports (and the optional _reentrant) are looked up by name. A
// missing export is never called.
#pragma once

#include <string>

#include "zarvo_plugin.h"

namespace zarvo {

class PluginLibrary {
public:
    PluginLibrary() = default;
    ~PluginLibrary();
    PluginLibrary(const PluginLibrary&) = delete;
    PluginLibrary& operator=(const PluginLibrary&) = delete;

    // Loads the library. A bare file name is looked for beside the program
    // first, then in the current directory; a name with a '/' is used as is.
    // Returns false (and keeps nothing bound) when it cannot be loaded.
    bool load(const std::string& fileName);
    void release();

    bool loaded() const { return handle_ != nullptr; }
    void* handle() const { return handle_; }
    const std::string& path() const { return path_; }
    const std::string& loadError() const { return error_; }

    bool hasTotal() const { return total_ != nullptr; }
    bool hasInfo() const { return info_ != nullptr; }
    bool hasFormula() const { return formula_ != nullptr; }
    // The plug-in declared (through _reentrant) that its formula may run on
    // several threads at once, each call on its own record.
    bool reentrant() const { return reentrant_; }
    // The formula entry itself, for callers on other threads; null when missing.
    zarvo_formula_fn formulaEntry() const { return formula_; }

    // Each returns 0 without calling anything when the export is missing.
    int32_t total() const { return total_ ? total_() : 0; }
    int32_t info(FormulaRecord* rec) const { return info_ ? info_(rec) : 0; }
    int32_t formula(FormulaRecord* rec) const { return formula_ ? formula_(rec) : 0; }

    // Folder of the running executable, with a trailing '/'.
    static std::string executableFolder();

private:
    void* handle_ = nullptr;
    std::string path_;
    std::string error_;
    zarvo_total_fn total_ = nullptr;
    zarvo_info_fn info_ = nullptr;
    zarvo_formula_fn formula_ = nullptr;
    bool reentrant_ = false;
};

}  // namespace zarvo
