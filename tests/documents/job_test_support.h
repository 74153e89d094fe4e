// What the tests of background picture jobs share: waiting for a job, and
// a job cancelled at once leaving the files it would have replaced as they
// were.
#pragma once

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <thread>

#include "background_job.h"
#include "test_support.h"

namespace zarvo::test {

inline void WaitFor(const BackgroundJob& job) {
    while (!job.finished()) std::this_thread::sleep_for(std::chrono::milliseconds(5));
}

// The files exist before the job starts; makeJob starts it on `picture`.
template <class MakeJob>
void ExpectCancelLeavesFiles(const std::string& picture, const std::string& parameters, MakeJob makeJob) {
    WriteFile(picture, "old picture");
    WriteFile(parameters, "old parameters");
    auto job = makeJob();
    job->cancel();
    WaitFor(*job);
    EXPECT_TRUE(job->outcome().cancelled);
    EXPECT_FALSE(job->outcome().written);
    EXPECT_EQ(ReadFile(picture), "old picture");
    EXPECT_EQ(ReadFile(parameters), "old parameters");
}

}  // namespace zarvo::test
