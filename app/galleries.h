// The galleries of the active fractal window: its view drawn small in every
// render method, in every blend and channel order, and for every formula of
// the formula list. The small pictures are computed on threads of the
// lowest priority the system has (below the window's own drawing), each on a
// record of its own, and shown as they are finished; they never change the
// window's parameters. A click on one applies that choice to the window.
#pragma once

#include <QObject>
#include <QThreadPool>
#include <atomic>
#include <functional>
#include <memory>

#include "thumbnail.h"

namespace zarvo {

class PluginLibrary;
class TMainForm;
class TMDIChild;
class ThumbnailGallery;

class Galleries : public QObject {
public:
    static constexpr int pictureWidth = 120;  // method and blend pictures
    static constexpr int pictureHeight = 80;
    static constexpr int formulaWidth = 48;  // pictures in the formula list
    static constexpr int formulaHeight = 32;

    explicit Galleries(TMainForm& main);
    ~Galleries() override;

    ThumbnailGallery* methods() const { return methods_; }
    ThumbnailGallery* blends() const { return blends_; }

    // The pictures of `child`'s current parameters, for the galleries that
    // are shown (nothing when none is).
    void refresh(TMDIChild* child);
    // The window's parameters are about to change: pictures still being
    // computed are given up, those shown are marked out of date.
    void outdated();
    // Pictures are still being computed.
    bool busy() const { return pending_ > 0; }
    // Gives up the pictures on their way and waits until no thread computes.
    void stop();

private:
    void compute(const ScanPlan& plan, const std::shared_ptr<PluginLibrary>& library,
                 std::function<void(const Thumbnail&)> shown);
    QString whyNoPictures(TMDIChild* child) const;

    TMainForm& main_;
    ThumbnailGallery* methods_;
    ThumbnailGallery* blends_;
    QThreadPool pool_;
    std::shared_ptr<std::atomic<bool>> given_up_;
    int pending_ = 0;
};

// The id of a blend with a channel order in the blend gallery.
inline int BlendChoice(int blend, int order) { return blend * 10 + order; }

}  // namespace zarvo
