// K independent sample streams of one attractor run, worked on by several
// threads.
//
// Stream 0 continues the run's single sequence; stream s >= 1 has its own
// generator, seeded from the run's seed and s, and its own random start
// point. Each stream plots as the single sequence does; its hits are
// collected in a buffer of the thread and added to the shared counters
// under a lock. The counters are integers and the additions are exact (or
// saturate), so their order does not matter: the picture depends on the
// seed, K and the steps of every stream, never on the number of threads or
// on timing. Streams are given to threads in a fixed way (stream s to
// thread s mod T); each thread runs its streams one after the other.
#pragma once

#include <cstdint>
#include <mutex>
#include <vector>

#include "stream_step.h"

namespace zarvo::attractor {

// A hit as a stream's buffer keeps it: the hit and the stream's stamp
// ((s + 1) * 2^40 + the colour cycle at the hit), whose largest value per
// pixel names the hit whose colour rotation Color Mix shows.
struct HitRecord {
    uint32_t pixel;
    uint32_t cell;
    int32_t weight;
    uint32_t shade;
    uint64_t stamp;
};
constexpr int kStampCycleBits = 40;

// Where the hits go: called under the streams' lock, one buffer at a time.
class HitMerger {
public:
    virtual ~HitMerger() = default;
    virtual void merge(const HitRecord* records, size_t count) = 0;
};

// The seed of stream s >= 1 of a run whose generator starts from runSeed:
// the first output of SplitMix64 started from runSeed xor (s * 0xD1B54A32D192ED03).
uint64_t StreamSeed(uint64_t runSeed, int stream);

class MultiStream {
public:
    // K streams as a run starts from `main` (the single sequence's state
    // after the run's set-up): stream 0 is a copy of it, stream s >= 1 a
    // copy with its own generator (StreamSeed of main's generator state)
    // and its own start point, drawn from that generator as the restart of
    // an escaping orbit draws it.
    MultiStream(const StreamState& main, int count);

    int count() const { return static_cast<int>(streams_.size()); }
    const StreamState& stream(int s) const { return streams_[static_cast<size_t>(s)]; }

    struct Outcome {
        int64_t steps = 0;     // steps done by all streams together
        int faultStream = -1;  // the lowest stream a fault ended in this call, or -1
        int faultFlags = 0;    // that fault (FE_* flags)
    };
    // Stream s takes steps[s] more steps (a stream a fault has ended takes
    // none), on `threads` threads (the calling one among them).
    Outcome Advance(const StepSettings& settings, const std::vector<int64_t>& steps, int threads,
                    HitMerger& merger);

private:
    void RunStream(int s, int64_t steps, const StepSettings& settings, HitMerger& merger,
                   std::vector<HitRecord>& buffer, int64_t& done);

    std::vector<StreamState> streams_;
    std::vector<int> faults_;  // flags of the fault that ended each stream, 0 while it goes on
    std::mutex mergeLock_;
};

}  // namespace zarvo::attractor
