#pragma once

#include "store/KeyedCollection.h"
#include "util/ErrorReport.h"
#include "util/FileSystem.h"
#include "util/TextLines.h"

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

namespace kiv {

// Appends one field of a line: "S1=value;".
inline void AppendField(std::string& line, std::string_view tag, std::string_view value) {
    line += tag;
    line += '=';
    line += value;
    line += ';';
}

// The text of a store's file: the line of every entry `isStored` keeps, each
// ended by CR LF, in collection order. `appendLine` appends an entry's line;
// room for `lineSize` bytes a line is made at once.
template <typename T, typename AppendLine, typename IsStored>
std::string StoreFileText(const CKeyedCollection<T>& items, AppendLine appendLine,
                          IsStored isStored, size_t lineSize) {
    std::string text;
    text.reserve(static_cast<size_t>(items.Count()) * lineSize);
    for (const auto& item : items) {
        if (isStored(*item)) {
            appendLine(text, *item);
            text += "\r\n";
        }
    }
    return text;
}

// Replaces the entries by one for each line of `text`, added by `addLine`.
// An Add that fails reports itself and only its line is lost; a line that
// cannot be read (a bad number) is reported titled "LoadItems" and ends the
// load there, keeping the entries read before it.
template <typename T, typename AddLine>
void LoadStoreText(CKeyedCollection<T>& items, IErrorReporter& reporter, std::string_view text,
                   AddLine addLine) {
    items.Clear();
    TrapErrors(reporter, "LoadItems", [&] { ForEachLine(text, addLine); });
}

// What the message about a file that was set aside calls its contents.
struct StoreFileWords {
    std::string_view list;    // "the setting list"
    std::string_view entries; // "settings"
};

// A store's file that was there but could not be read in full: it could not
// be opened or read, or one of its lines failed to load. Such a file is never
// replaced unasked: the first save after such a load renames it to
// "<name>.unread" (a second one "<name>.unread2", and so on) and says so once.
class CUnreadFile {
public:
    // The same as LoadStoreText, from the file at `path`; a missing file
    // leaves no entries. Remembers whether the file was read in full.
    template <typename T, typename AddLine>
    void Load(CKeyedCollection<T>& items, IErrorReporter& reporter, const std::string& path,
              AddLine addLine) {
        items.Clear();
        mPath.clear();
        int32_t lines = 0;
        const bool read = TrapErrors(reporter, "LoadItems", [&] {
            if (FileExists(path)) {
                mPath = path; // until every line is in
                ForEachLine(ReadWholeFile(path), [&](std::string_view line) {
                    ++lines;
                    addLine(line);
                });
            }
        });
        if (read && items.Count() == lines) {
            mPath.clear();
        }
    }

    // True when the file last loaded was there but not read in full, and no
    // save has set it aside since.
    bool IsUnread() const noexcept { return !mPath.empty(); }

    // Writes `contents` to `path` as SaveFileAtomically does. When `path` is
    // the file that was not read in full, the old file is set aside first and
    // the user told where it went. Raises to the caller when the save fails.
    void Save(const std::string& path, std::string_view contents, IErrorReporter& reporter,
              const StoreFileWords& words);

private:
    std::string mPath;
};

// What the two stores share: their entries, each under its key, read from
// and written to a file.
template <typename T> class CStoredList {
public:
    using Pointer = std::shared_ptr<T>;

    // The stored object itself, by key ("C7") or 1-based position; raises when absent.
    const Pointer& Item(std::string_view key) const { return mItems.Item(key); }
    const Pointer& Item(int32_t position) const { return mItems.Item(position); }
    bool Contains(std::string_view key) const { return mItems.Contains(key); }
    int32_t Count() const noexcept { return mItems.Count(); }
    void Remove(std::string_view key) { mItems.Remove(key); }
    void Remove(int32_t position) { mItems.Remove(position); }

    // True when the last load found the file but could not read all of it:
    // the entries are only what it could read.
    bool FileUnread() const noexcept { return mFile.IsUnread(); }

    auto begin() const noexcept { return mItems.begin(); }
    auto end() const noexcept { return mItems.end(); }

protected:
    explicit CStoredList(IErrorReporter& reporter) : mReporter(reporter) {}
    ~CStoredList() = default;

    IErrorReporter& mReporter;
    CKeyedCollection<T> mItems;
    CUnreadFile mFile;
};

} // namespace kiv
