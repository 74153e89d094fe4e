#include "render_hooks.h"

#include <cstdio>

namespace zarvo {

RenderHooks::RenderHooks(const ParameterSet& ps, NpyPlaneFile* planes, bool showProgress)
    : ps_(ps), planes_(planes), progress_(showProgress) {
    start_ = lastShown_ = std::chrono::steady_clock::now();
}

void RenderHooks::pixelComputed(int column, int row) {
    if (planes_) planes_->put(column, row, ps_.resultA, ps_.resultB);
    if (column == ps_.pictureWidth - 1) {
        rowsDone_ = row + 1;
        if (progress_) showProgress(rowsDone_, false);
    }
}

void RenderHooks::scanFinished(const std::string&) {
    if (progress_ && progressShown_) showProgress(rowsDone_, true);
}

void RenderHooks::showProgress(int rowsDone, bool final) {
    const auto now = std::chrono::steady_clock::now();
    if (!final && now - lastShown_ < std::chrono::milliseconds(200)) return;
    lastShown_ = now;
    progressShown_ = true;
    const double elapsed = std::chrono::duration<double>(now - start_).count();
    const int rows = ps_.pictureHeight;
    const int percent = rows > 0 ? static_cast<int>(100.0 * rowsDone / rows) : 100;
    std::fprintf(stderr, "\rzarvo-render: row %d of %d, %3d%%, %.1f s ", rowsDone, rows, percent, elapsed);
    if (final) std::fputc('\n', stderr);
    std::fflush(stderr);
}

}  // namespace zarvo
