#include "view_history.h"

namespace zarvo {

bool ViewHistory::record(const PictureState& state) {
    if (!steps_.empty() && SamePicture(steps_[position_].state, state)) return false;
    if (!steps_.empty()) steps_.erase(steps_.begin() + static_cast<std::ptrdiff_t>(position_) + 1, steps_.end());
    steps_.push_back(Step{state, nullptr, 0});
    while (steps_.size() > limits_.steps && steps_.size() > 1) steps_.pop_front();
    position_ = steps_.size() - 1;
    return true;
}

const PictureState* ViewHistory::back() {
    if (!canGoBack()) return nullptr;
    --position_;
    steps_[position_].lastUse = ++clock_;
    return &steps_[position_].state;
}

const PictureState* ViewHistory::forward() {
    if (!canGoForward()) return nullptr;
    ++position_;
    steps_[position_].lastUse = ++clock_;
    return &steps_[position_].state;
}

void ViewHistory::keepPicture(const PictureState& state, std::shared_ptr<const CachedPicture> picture) {
    if (steps_.empty() || !picture || !SamePicture(steps_[position_].state, state)) return;
    Step& step = steps_[position_];
    step.picture = std::move(picture);
    step.lastUse = ++clock_;
    dropPicturesBeyondLimits();
}

std::shared_ptr<const CachedPicture> ViewHistory::currentPicture() const {
    return steps_.empty() ? nullptr : steps_[position_].picture;
}

size_t ViewHistory::picturesKept() const {
    size_t n = 0;
    for (const Step& s : steps_) n += s.picture ? 1 : 0;
    return n;
}

size_t ViewHistory::pictureBytes() const {
    size_t bytes = 0;
    for (const Step& s : steps_) bytes += s.picture ? s.picture->bytes() : 0;
    return bytes;
}

void ViewHistory::dropPicturesBeyondLimits() {
    // The current step's picture is the last to go, and goes only when it
    // alone is beyond the memory allowed.
    while (picturesKept() > limits_.pictures || pictureBytes() > limits_.pictureBytes) {
        Step* oldest = nullptr;
        for (size_t i = 0; i < steps_.size(); ++i) {
            Step& s = steps_[i];
            if (!s.picture || (i == position_ && picturesKept() > 1)) continue;
            if (!oldest || s.lastUse < oldest->lastUse) oldest = &s;
        }
        if (!oldest) return;
        oldest->picture.reset();
    }
}

}  // namespace zarvo
