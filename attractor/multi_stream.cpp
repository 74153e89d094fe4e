#include "multi_stream.h"

#include <algorithm>
#include <thread>

#include "fp_fault.h"

namespace zarvo::attractor {

namespace {

constexpr size_t kBufferHits = 8192;

// Collects a stream's hits and hands them to the merger when full.
struct BufferSink {
    std::vector<HitRecord>& buffer;
    HitMerger& merger;
    std::mutex& lock;
    uint64_t streamStamp;  // (s + 1) << kStampCycleBits

    void prefetch(const Hit&, int, int) const {}  // the hits go to the buffer in order
    void take(const Hit& h, int, int, int64_t colourCycle) {
        const uint64_t cycle = static_cast<uint64_t>(colourCycle) & ((uint64_t{1} << kStampCycleBits) - 1);
        // Field by field: a record built whole and copied would be read back
        // wider than it was written, which stalls the store.
        HitRecord& r = buffer.emplace_back();
        r.pixel = h.pixel;
        r.cell = h.cell;
        r.weight = h.weight;
        r.shade = h.shade;
        r.stamp = streamStamp | cycle;
        if (buffer.size() == kBufferHits) flush();
    }
    void takeAll(const Hit* hits, const int* from, int n, const int* px, const int* py, const int64_t* cycles) {
        for (int h = 0; h < n; ++h) take(hits[h], px[from[h]], py[from[h]], cycles[from[h]]);
    }
    void flush() {
        if (buffer.empty()) return;
        {
            std::lock_guard<std::mutex> guard(lock);
            merger.merge(buffer.data(), buffer.size());
        }
        buffer.clear();
    }
};

}  // namespace

uint64_t StreamSeed(uint64_t runSeed, int stream) {
    UniformRandom mix(runSeed ^ (static_cast<uint64_t>(stream) * 0xD1B54A32D192ED03ull));
    return mix.next();
}

MultiStream::MultiStream(const StreamState& main, int count)
    : streams_(static_cast<size_t>(std::max(count, 1)), main), faults_(streams_.size(), 0) {
    const uint64_t runSeed = main.random.state();
    for (size_t s = 1; s < streams_.size(); ++s) {
        StreamState& st = streams_[s];
        st.random.seed(StreamSeed(runSeed, static_cast<int>(s)));
        st.lastPixel = -1;
        RestartOrbit(st);
    }
}

void MultiStream::RunStream(int s, int64_t steps, const StepSettings& settings, HitMerger& merger,
                            std::vector<HitRecord>& buffer, int64_t& done) {
    StreamState& st = streams_[static_cast<size_t>(s)];
    BufferSink sink{buffer, merger, mergeLock_, static_cast<uint64_t>(s + 1) << kStampCycleBits};
    ClearFaults();
    bool faulted = false;
    done += RunCheckedSteps(settings, st, steps, sink, faulted);
    if (faulted) {
        faults_[static_cast<size_t>(s)] = PendingFaultFlags();
        ClearFaults();
    }
    sink.flush();
}

MultiStream::Outcome MultiStream::Advance(const StepSettings& settings, const std::vector<int64_t>& steps,
                                          int threads, HitMerger& merger) {
    const int k = count();
    const int t = std::clamp(threads, 1, k);
    const std::vector<int> faultsBefore = faults_;
    std::vector<int64_t> done(static_cast<size_t>(t), 0);

    const auto work = [&](int thread) {
        std::vector<HitRecord> buffer;
        buffer.reserve(kBufferHits);
        for (int s = thread; s < k; s += t) {
            const size_t i = static_cast<size_t>(s);
            if (faults_[i] != 0 || i >= steps.size() || steps[i] <= 0) continue;
            RunStream(s, steps[i], settings, merger, buffer, done[static_cast<size_t>(thread)]);
        }
    };
    std::vector<std::thread> workers;
    workers.reserve(static_cast<size_t>(t - 1));
    for (int thread = 1; thread < t; ++thread) workers.emplace_back(work, thread);
    work(0);
    for (std::thread& w : workers) w.join();

    Outcome out;
    for (int64_t d : done) out.steps += d;
    for (int s = 0; s < k; ++s) {
        const size_t i = static_cast<size_t>(s);
        if (faults_[i] != 0 && faultsBefore[i] == 0) {
            out.faultStream = s;
            out.faultFlags = faults_[i];
            break;
        }
    }
    return out;
}

}  // namespace zarvo::attractor
