#include "files/file_access.hpp"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace quarn {
namespace {

std::string ErrnoText() { return std::strerror(errno); }

// Closes the descriptor when the scope ends unless it was closed explicitly.
class FileDescriptor {
public:
    explicit FileDescriptor(int fd) : fd_(fd) {}
    ~FileDescriptor() {
        if (fd_ >= 0) ::close(fd_);
    }
    FileDescriptor(const FileDescriptor&) = delete;
    FileDescriptor& operator=(const FileDescriptor&) = delete;

    int Get() const { return fd_; }
    bool Valid() const { return fd_ >= 0; }
    // Closing can report a late write error, so it is checked.
    bool Close() {
        const int fd = fd_;
        fd_ = -1;
        return ::close(fd) == 0;
    }

private:
    int fd_;
};

bool WriteAll(int fd, std::span<const std::uint8_t> bytes) {
    std::size_t done = 0;
    while (done < bytes.size()) {
        const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
        if (n < 0 && errno == EINTR) continue;
        if (n <= 0) {
            if (n == 0) errno = EIO;
            return false;
        }
        done += static_cast<std::size_t>(n);
    }
    return true;
}

// The file a save replaces: a symbolic link is followed so that the link itself survives.
std::filesystem::path SaveTarget(const std::string& path) {
    std::error_code error;
    const std::filesystem::path resolved = std::filesystem::canonical(path, error);
    return error ? std::filesystem::path(path) : resolved;
}

// Creates a temporary file beside the target; its descriptor, or -1 with errno set.
int CreateTemporaryBeside(const std::filesystem::path& target, std::string& temporaryPath) {
    static unsigned counter = 0;
    for (int attempt = 0; attempt < 100; ++attempt) {
        temporaryPath = target.string() + ".tmp" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
        const int fd = ::open(temporaryPath.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (fd >= 0 || errno != EEXIST) return fd;
    }
    return -1;
}

}  // namespace

FileReadResult ReadWholeFile(const std::string& path) {
    FileReadResult result;
    FileDescriptor fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (!fd.Valid()) {
        result.Error = ErrnoText();
        return result;
    }
    struct stat info {};
    if (::fstat(fd.Get(), &info) != 0) {
        result.Error = ErrnoText();
        return result;
    }
    if (!S_ISREG(info.st_mode)) {
        result.Error = "not a regular file";
        return result;
    }
    result.Bytes.reserve(static_cast<std::size_t>(info.st_size));
    std::uint8_t buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd.Get(), buffer, sizeof buffer);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            result.Error = ErrnoText();
            result.Bytes.clear();
            return result;
        }
        if (n == 0) break;
        result.Bytes.insert(result.Bytes.end(), buffer, buffer + n);
    }
    return result;
}

std::string ReplaceWholeFile(const std::string& path, std::span<const std::uint8_t> bytes) {
    const std::filesystem::path target = SaveTarget(path);
    std::string temporaryPath;
    FileDescriptor fd(CreateTemporaryBeside(target, temporaryPath));
    if (!fd.Valid()) return ErrnoText();

    // A replaced file keeps its permissions.
    struct stat existing {};
    const bool replacing = ::stat(target.c_str(), &existing) == 0;
    bool written = (!replacing || ::fchmod(fd.Get(), existing.st_mode & 07777) == 0) && WriteAll(fd.Get(), bytes) &&
                   ::fsync(fd.Get()) == 0;
    std::string error = written ? std::string() : ErrnoText();
    if (!fd.Close() && written) {
        written = false;
        error = ErrnoText();
    }
    if (written && ::rename(temporaryPath.c_str(), target.c_str()) != 0) {
        written = false;
        error = ErrnoText();
    }
    if (!written) ::unlink(temporaryPath.c_str());
    return error;
}

}  // namespace quarn
