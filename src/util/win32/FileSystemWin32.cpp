#include "util/FileSystem.h"

#include "platform/win32/UniqueHandle.h"
#include "util/RuntimeError.h"
#include "util/win32/PumpingWait.h"

#include <algorithm>

namespace kiv {

using win32::UniqueFile;

namespace {

// Another program may hold a file open for a moment without letting it be
// deleted or replaced; such a failure is worth waiting for, briefly.
bool IsMomentaryFailure(DWORD error) {
    return error == ERROR_SHARING_VIOLATION || error == ERROR_LOCK_VIOLATION ||
           error == ERROR_ACCESS_DENIED; // also a file whose deletion is pending
}

// Up to a second in all. The pauses handle messages, so KIV's window answers
// meanwhile; a crash handler's call pauses without them.
template <typename Attempt>
bool RetryWhileHeldOpen(Attempt attempt, bool handleMessages = true) noexcept {
    constexpr int kAttempts = 20;
    constexpr DWORD kPauseMs = 50;
    for (int tried = 1;; ++tried) {
        if (attempt()) {
            return true;
        }
        if (tried == kAttempts || !IsMomentaryFailure(::GetLastError())) {
            return false;
        }
        if (handleMessages) {
            win32::PausePumping(kPauseMs);
        } else {
            ::Sleep(kPauseMs);
        }
    }
}

bool IsDirectory(const std::string& path) {
    DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

} // namespace

bool IsOrdinaryFile(const std::string& name) {
    if (name.find_first_of("*?") != std::string::npos) {
        return false;
    }
    DWORD attributes = ::GetFileAttributesA(name.c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        return false;
    }
    constexpr DWORD kNotOrdinary =
        FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM;
    return (attributes & kNotOrdinary) == 0;
}

std::string AppPath() {
    std::string buffer(MAX_PATH, '\0');
    for (;;) {
        DWORD length =
            ::GetModuleFileNameA(nullptr, buffer.data(), static_cast<DWORD>(buffer.size()));
        if (length == 0) {
            return {};
        }
        if (length < buffer.size()) {
            buffer.resize(length);
            break;
        }
        buffer.resize(buffer.size() * 2);
    }
    size_t slash = buffer.find_last_of("\\/");
    if (slash == std::string::npos) {
        return {};
    }
    return FolderWithSeparator(buffer.substr(0, slash + 1));
}

std::string ReadWholeFile(const std::string& path) {
    // A folder refuses opening as a file with the error of a file held open;
    // it is not worth the wait.
    if (IsDirectory(path)) {
        Raise(ErrorNumber::PathFileAccess);
    }
    UniqueFile file;
    DWORD error = ERROR_SUCCESS;
    RetryWhileHeldOpen([&] {
        file.Reset(::CreateFileA(path.c_str(), GENERIC_READ,
                                 FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                 OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr));
        error = ::GetLastError();
        return static_cast<bool>(file);
    });
    if (!file) {
        bool absent = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND;
        Raise(absent ? ErrorNumber::FileNotFound : ErrorNumber::PathFileAccess);
    }
    std::string contents;
    char chunk[65536];
    for (;;) {
        DWORD got = 0;
        if (!::ReadFile(file.Get(), chunk, sizeof chunk, &got, nullptr)) {
            Raise(ErrorNumber::PathFileAccess);
        }
        if (got == 0) {
            break;
        }
        contents.append(chunk, got);
    }
    return contents;
}

void ReplaceFileWith(const std::string& target, const std::string& source) {
    // Windows refuses to replace a read-only file; say so ourselves so that
    // every platform, Wine included, keeps such a file. A folder in the
    // file's place is refused at once, not waited for.
    DWORD attributes = ::GetFileAttributesA(target.c_str());
    constexpr DWORD kNotReplaceable = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_DIRECTORY;
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & kNotReplaceable) != 0) {
        Raise(ErrorNumber::PathFileAccess);
    }
    if (!RetryWhileHeldOpen([&] {
            return ::MoveFileExA(source.c_str(), target.c_str(),
                                 MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH) != FALSE;
        })) {
        Raise(ErrorNumber::PathFileAccess);
    }
}

bool RenameUnlessTaken(const std::string& from, const std::string& to) {
    DWORD error = ERROR_SUCCESS;
    const bool renamed = RetryWhileHeldOpen([&] {
        const bool done = ::MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_WRITE_THROUGH) != FALSE;
        error = ::GetLastError();
        return done;
    });
    if (renamed) {
        return true;
    }
    if (error == ERROR_ALREADY_EXISTS || error == ERROR_FILE_EXISTS) {
        return false;
    }
    Raise(ErrorNumber::PathFileAccess);
}

void RemoveFile(const std::string& path) noexcept {
    RetryWhileHeldOpen([&path] { return ::DeleteFileA(path.c_str()) != FALSE; });
}

void RemoveFile(const char* path) noexcept {
    RetryWhileHeldOpen([path] { return ::DeleteFileA(path) != FALSE; }, false);
}

void WriteWholeFile(const std::string& path, std::string_view contents, bool flushToDisk) {
    UniqueFile file(::CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                                  FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file) {
        Raise(ErrorNumber::PathFileAccess);
    }
    std::string_view rest = contents;
    while (!rest.empty()) {
        DWORD chunk = static_cast<DWORD>(std::min<size_t>(rest.size(), 1u << 30));
        DWORD done = 0;
        if (!::WriteFile(file.Get(), rest.data(), chunk, &done, nullptr) || done == 0) {
            Raise(ErrorNumber::PathFileAccess);
        }
        rest.remove_prefix(done);
    }
    if (flushToDisk && !::FlushFileBuffers(file.Get())) {
        Raise(ErrorNumber::PathFileAccess);
    }
}

} // namespace kiv
