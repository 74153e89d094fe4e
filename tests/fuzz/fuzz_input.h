// The readers take a file name, as the programs call them. A fuzzing harness
// hands them its bytes as an anonymous in-memory file, reached through its
// /proc/self/fd/ name, so no disk is touched.
#pragma once

#include <sys/mman.h>
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace zarvo::fuzz {

class InputFile {
public:
    InputFile(const uint8_t* data, size_t size) : fd_(memfd_create("fuzz-input", 0)) {
        if (fd_ < 0) Die("memfd_create");
        size_t done = 0;
        while (done < size) {
            const ssize_t n = write(fd_, data + done, size - done);
            if (n <= 0) Die("write");
            done += static_cast<size_t>(n);
        }
        path_ = "/proc/self/fd/" + std::to_string(fd_);
    }
    ~InputFile() { close(fd_); }
    InputFile(const InputFile&) = delete;
    InputFile& operator=(const InputFile&) = delete;

    const std::string& path() const { return path_; }

private:
    // A harness that cannot hand over its input would report nothing.
    [[noreturn]] static void Die(const char* what) {
        std::perror(what);
        std::abort();
    }

    int fd_;
    std::string path_;
};

}  // namespace zarvo::fuzz
