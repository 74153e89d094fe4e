#include "background_job.h"

#include <utility>

namespace zarvo {

BackgroundJob::BackgroundJob(int64_t total, Work work)
    : total_(total), work_(std::move(work)), thread_([this] {
          outcome_ = work_(*this);
          finished_ = true;
      }) {}

BackgroundJob::~BackgroundJob() {
    cancel_ = true;
    thread_.join();
}

}  // namespace zarvo
