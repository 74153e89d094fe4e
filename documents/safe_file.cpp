#include "safe_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <climits>
#include <csignal>
#include <cstdlib>

namespace zarvo {

namespace {

// A symbolic link is followed, so that the file it names is replaced and
// the link stays.
std::string ResolvedTarget(const std::string& path) {
    struct stat st;
    if (lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
    char resolved[PATH_MAX];
    return realpath(path.c_str(), resolved) ? std::string(resolved) : path;
}

// Creates a new, unique file in the target's folder. Opened with mode 0666
// like fopen, so the user's umask applies as it would to the target itself.
int CreateBeside(const std::string& target, std::string* name) {
    static std::atomic<unsigned> counter{0};
    const size_t slash = target.find_last_of('/');
    const std::string folder = slash == std::string::npos ? std::string() : target.substr(0, slash + 1);
    const std::string base = slash == std::string::npos ? target : target.substr(slash + 1);
    for (int attempt = 0; attempt < 100; ++attempt) {
        *name = folder + "." + base + "." + std::to_string(getpid()) + "." + std::to_string(counter++) + ".part";
        const int fd = ::open(name->c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    errno = EEXIST;
    return -1;
}

}  // namespace

SafeFileWriter::~SafeFileWriter() { discard(); }

bool SafeFileWriter::open(const std::string& path) {
    discard();
    target_ = ResolvedTarget(path);
    struct stat existing;
    const bool exists = stat(target_.c_str(), &existing) == 0;
    if (exists && !S_ISREG(existing.st_mode)) {
        if (S_ISDIR(existing.st_mode)) {
            errno = EISDIR;
            return false;
        }
        file_ = std::fopen(target_.c_str(), "wb");
        return file_ != nullptr;
    }
    const int fd = CreateBeside(target_, &temporary_);
    if (fd < 0) {
        temporary_.clear();
        return false;
    }
    // A replaced file keeps its permissions, as it would when overwritten.
    if (exists) fchmod(fd, existing.st_mode & 07777);
    file_ = fdopen(fd, "wb");
    if (!file_) {
        const int openErrno = errno;
        ::close(fd);
        discard();
        errno = openErrno;
        return false;
    }
    return true;
}

bool SafeFileWriter::commit() {
    if (!file_) {
        errno = EBADF;
        return false;
    }
    // A write that failed earlier left the stream's error flag and, when the
    // caller commits right after it, its errno; fflush reports the last
    // buffered bytes and fclose the rest.
    const int earlierErrno = errno;
    int error = 0;
    if (std::ferror(file_)) {
        error = earlierErrno != 0 ? earlierErrno : EIO;
    } else if (std::fflush(file_) != 0) {
        error = errno;
    }
    if (std::fclose(file_) != 0 && error == 0) error = errno;
    file_ = nullptr;
    if (error == 0 && !temporary_.empty() && std::rename(temporary_.c_str(), target_.c_str()) != 0) error = errno;
    if (error == 0) {
        temporary_.clear();
        return true;
    }
    discard();
    errno = error;
    return false;
}

void SafeFileWriter::discard() {
    const int savedErrno = errno;
    if (file_) std::fclose(file_);
    file_ = nullptr;
    if (!temporary_.empty()) std::remove(temporary_.c_str());
    temporary_.clear();
    errno = savedErrno;
}

void ReportFileSizeLimitAsWriteError() { std::signal(SIGXFSZ, SIG_IGN); }

}  // namespace zarvo
