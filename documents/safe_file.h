// Writing a file so that it is either complete or not changed at all: the
// bytes go to a new file beside the target, which replaces the target by a
// rename only once every byte is written and the file closed cleanly. A
// failed write (disk full, file-size limit, a write error) removes the new
// file and leaves an existing target exactly as it was.
#pragma once

#include <cstdio>
#include <string>

namespace zarvo {

class SafeFileWriter {
public:
    SafeFileWriter() = default;
    // Discards the new file unless commit() succeeded.
    ~SafeFileWriter();
    SafeFileWriter(const SafeFileWriter&) = delete;
    SafeFileWriter& operator=(const SafeFileWriter&) = delete;

    // Creates the new file for `path`. A target that exists and is not a
    // plain file (a device, a pipe) cannot be replaced and is written
    // directly. False, with errno set, when nothing can be created.
    bool open(const std::string& path);
    // The stream to write to while open.
    std::FILE* file() const { return file_; }
    // Flushes and closes the new file and renames it over the target. False,
    // with errno set, when any write failed (also an earlier one, seen through
    // the stream's error flag) or the file cannot take the target's place;
    // the new file is removed then.
    bool commit();
    // Closes and removes the new file; the target stays as it was.
    void discard();

private:
    std::FILE* file_ = nullptr;
    std::string target_;
    std::string temporary_;  // empty when writing the target directly
};

// A process that reaches its file-size limit is ended by a signal unless it
// ignores it; ignored, the write fails with EFBIG and is reported like any
// other failed write. Called once at start-up by the programs.
void ReportFileSizeLimitAsWriteError();

}  // namespace zarvo
