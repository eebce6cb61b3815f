#pragma once

#include "store/KeyedCollection.h"
#include "util/ErrorReport.h"
#include "util/FileSystem.h"
#include "util/TextLines.h"

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

// The same from the file at `path`; a missing file leaves no entries.
template <typename T, typename AddLine>
void LoadStoreFile(CKeyedCollection<T>& items, IErrorReporter& reporter, const std::string& path,
                   AddLine addLine) {
    items.Clear();
    TrapErrors(reporter, "LoadItems", [&] {
        if (FileExists(path)) {
            ForEachLine(ReadWholeFile(path), addLine);
        }
    });
}

} // namespace kiv
