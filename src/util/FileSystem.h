#pragma once

#include <string>
#include <string_view>

namespace kiv {

#ifdef _WIN32
inline constexpr char kPathSeparator = '\\';
#else
inline constexpr char kPathSeparator = '/';
#endif

// True when `name` names an existing ordinary file: not empty, an extension of
// at most three characters, not ending in a separator or ":", not a reserved
// device name, and found as a file that is neither a directory nor hidden or
// system. Never raises.
bool FileExists(std::string_view name);

// The program's folder with a trailing separator (a drive root keeps its
// single one); "" when the folder cannot be had.
std::string AppPath();

// The trailing-separator rule of AppPath for a given folder.
std::string FolderWithSeparator(std::string_view folder);

// The whole file as bytes. Raises File not found when there is no such file
// and Path/File access error when it exists but cannot be opened or read. A
// file held open for a moment is waited for, as ReplaceFileWith does.
std::string ReadWholeFile(const std::string& path);

// Replaces `path` with `contents`, never losing the previous file: the bytes go
// to a temporary file beside it, are flushed to disk, and only then take the
// old file's place. Raises Path/File access error, leaving the old file as it
// was, when any step fails.
void SaveFileAtomically(const std::string& path, std::string_view contents);

// SaveFileAtomically, first setting the old file at `path` aside: it is
// renamed to `path` + `suffix`, or, when that name is taken, + `suffix` + "2",
// "3" and so on. Returns the name it was given, "" when there was no old file.
// When any step fails the old file is put back and Path/File access error
// raised.
std::string SaveFileSettingOldAside(const std::string& path, std::string_view contents,
                                    std::string_view suffix);

// Renames `from` to `to` unless a file or folder is there already; returns
// false then, leaving both as they are. Raises Path/File access error when the
// rename fails otherwise. A file held open for a moment is waited for, as
// ReplaceFileWith does.
bool RenameUnlessTaken(const std::string& from, const std::string& to);

// Moves `source` over `target` in one step. Raises Path/File access error,
// leaving both as they were, when the target is read-only, a folder, or cannot
// be replaced.
// On Windows a file that another program holds open for a moment (a virus
// scanner, an indexer, an editor reading it) is waited for, up to a second;
// the thread's messages are handled meanwhile.
void ReplaceFileWith(const std::string& target, const std::string& source);

// Deletes a file, ignoring any failure; waits, as ReplaceFileWith does, for a
// file held open for a moment. The `const char*` form uses no heap and
// handles no messages while it waits, so a crash handler may call it.
void RemoveFile(const std::string& path) noexcept;
void RemoveFile(const char* path) noexcept;

// Platform part of FileExists: an existing file that is not a directory and
// not hidden or system.
bool IsOrdinaryFile(const std::string& name);

// Creates or truncates `path` and writes `contents`, flushed to disk when
// `flushToDisk` (SaveFileAtomically's part). Unflushed, the file outlives the
// process, not a power cut: enough for a marker that only says KIV is running
// in some state. Raises Path/File access error when any step fails, possibly
// leaving a partial file.
void WriteWholeFile(const std::string& path, std::string_view contents, bool flushToDisk);

} // namespace kiv
