#include "util/FileSystem.h"

#include "util/RuntimeError.h"

#include <cerrno>
#include <climits>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utility>

namespace kiv {

namespace {
// Closes a POSIX descriptor on every path.
class UniqueFd {
public:
    explicit UniqueFd(int fd) noexcept : mFd(fd) {}
    ~UniqueFd() {
        if (mFd >= 0) {
            ::close(mFd);
        }
    }
    UniqueFd(const UniqueFd&) = delete;
    UniqueFd& operator=(const UniqueFd&) = delete;
    int Get() const noexcept { return mFd; }
    int Release() noexcept { return std::exchange(mFd, -1); }

private:
    int mFd;
};

bool WriteAll(int fd, std::string_view data) {
    while (!data.empty()) {
        ssize_t written = ::write(fd, data.data(), data.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        if (written == 0) {
            return false; // a device that takes nothing more would loop here for ever
        }
        data.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}
} // namespace

bool IsOrdinaryFile(const std::string& name) {
    struct stat info {};
    if (::stat(name.c_str(), &info) != 0 || !S_ISREG(info.st_mode)) {
        return false;
    }
    // A dot file is this platform's hidden file.
    size_t slash = name.rfind('/');
    size_t start = slash == std::string::npos ? 0 : slash + 1;
    return start >= name.size() || name[start] != '.';
}

std::string AppPath() {
    char buffer[PATH_MAX + 1];
    ssize_t length = ::readlink("/proc/self/exe", buffer, PATH_MAX);
    if (length <= 0) {
        return {};
    }
    std::string exe(buffer, static_cast<size_t>(length));
    size_t slash = exe.rfind('/');
    if (slash == std::string::npos) {
        return {};
    }
    return FolderWithSeparator(exe.substr(0, slash + 1));
}

std::string ReadWholeFile(const std::string& path) {
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC));
    if (fd.Get() < 0) {
        bool absent = errno == ENOENT || errno == ENOTDIR;
        Raise(absent ? ErrorNumber::FileNotFound : ErrorNumber::PathFileAccess);
    }
    std::string contents;
    char chunk[65536];
    for (;;) {
        ssize_t got = ::read(fd.Get(), chunk, sizeof chunk);
        if (got < 0) {
            if (errno == EINTR) {
                continue;
            }
            Raise(ErrorNumber::PathFileAccess);
        }
        if (got == 0) {
            break;
        }
        contents.append(chunk, static_cast<size_t>(got));
    }
    return contents;
}

void ReplaceFileWith(const std::string& target, const std::string& source) {
    // A file without write permission is read-only, as it would be on Windows,
    // even for a user who could replace it.
    struct stat info {};
    if (::stat(target.c_str(), &info) == 0 && (info.st_mode & S_IWUSR) == 0) {
        Raise(ErrorNumber::PathFileAccess);
    }
    if (::rename(source.c_str(), target.c_str()) != 0) {
        Raise(ErrorNumber::PathFileAccess);
    }
}

bool RenameUnlessTaken(const std::string& from, const std::string& to) {
    struct stat info {};
    if (::lstat(to.c_str(), &info) == 0) {
        return false;
    }
    if (::rename(from.c_str(), to.c_str()) != 0) {
        Raise(ErrorNumber::PathFileAccess);
    }
    return true;
}

void RemoveFile(const std::string& path) noexcept {
    RemoveFile(path.c_str());
}

void RemoveFile(const char* path) noexcept {
    ::unlink(path);
}

void WriteWholeFile(const std::string& path, std::string_view contents, bool flushToDisk) {
    UniqueFd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644));
    if (fd.Get() < 0) {
        Raise(ErrorNumber::PathFileAccess);
    }
    bool written = WriteAll(fd.Get(), contents) && (!flushToDisk || ::fsync(fd.Get()) == 0);
    if (::close(fd.Release()) != 0 || !written) {
        Raise(ErrorNumber::PathFileAccess);
    }
}

} // namespace kiv
