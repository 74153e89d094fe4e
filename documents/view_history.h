// The back/forward history of one fractal window: every picture it drew, as
// the state that decides it, and for the last few of them the finished
// picture and its result planes, so that stepping back shows the old
// picture at once. Both the number of steps and the memory the pictures
// take are bounded.
#pragma once

#include <cstddef>
#include <cstdint>
#include <deque>
#include <memory>
#include <vector>

#include "picture_state.h"
#include "rgb_image.h"

namespace zarvo {

// A finished picture and its two result planes, [column * height + row]
// (empty when the picture was larger than the window's planes or its planes
// took more memory than the history may).
struct CachedPicture {
    RgbImage picture;
    std::vector<double> planeA, planeB;
    size_t bytes() const { return picture.pixels.size() + (planeA.size() + planeB.size()) * sizeof(double); }
};

class ViewHistory {
public:
    struct Limits {
        size_t steps = 200;              // the oldest steps go beyond this
        size_t pictures = 8;             // pictures kept at most ...
        size_t pictureBytes = 96 << 20;  // ... and the memory they may take
    };
    ViewHistory() : ViewHistory(Limits()) {}
    explicit ViewHistory(const Limits& limits) : limits_(limits) {}

    // A picture of `state` is being drawn. Unless it is the picture of the
    // current step, it becomes a new step after the current one, and the
    // steps that lay forward of the current one are dropped. Returns true
    // when a step was added.
    bool record(const PictureState& state);

    bool canGoBack() const { return position_ > 0; }
    bool canGoForward() const { return position_ + 1 < steps_.size(); }
    // Moves one step back or forward and returns the state of that step;
    // nullptr (and no move) when there is none.
    const PictureState* back();
    const PictureState* forward();

    // The current step, or nullptr while nothing was drawn.
    const PictureState* current() const { return steps_.empty() ? nullptr : &steps_[position_].state; }

    // The picture of `state` was drawn in full: kept with the current step,
    // when that step is this picture. The pictures used longest ago go when
    // there are too many or they take too much memory.
    void keepPicture(const PictureState& state, std::shared_ptr<const CachedPicture> picture);
    // The kept picture of the current step, or nullptr.
    std::shared_ptr<const CachedPicture> currentPicture() const;

    // A picture of `bytes` can be kept at all (pictures beyond the memory
    // allowed are not worth copying).
    bool hasRoomFor(size_t bytes) const { return bytes <= limits_.pictureBytes; }

    size_t steps() const { return steps_.size(); }
    size_t position() const { return position_; }
    size_t picturesKept() const;
    size_t pictureBytes() const;

private:
    struct Step {
        PictureState state;
        std::shared_ptr<const CachedPicture> picture;
        uint64_t lastUse = 0;
    };
    void dropPicturesBeyondLimits();

    Limits limits_;
    std::deque<Step> steps_;
    size_t position_ = 0;
    uint64_t clock_ = 0;
};

}  // namespace zarvo
