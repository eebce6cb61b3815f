#pragma once

#include "store/KeyedCollection.h"
#include "store/SettingList.h"
#include "store/StoreFile.h"
#include "store/WindowSetting.h"
#include "util/ErrorReport.h"

#include <memory>
#include <string>
#include <string_view>

namespace kiv {

// One line of the settings file, without its CR LF:
// S1=name;S2=class;S3=left;...;S22=lock;
std::string SettingLine(const CWindowSetting& setting);
// The same line appended to `text`.
void AppendSettingLine(std::string& text, const CWindowSetting& setting);

// The setting a line holds. Absent fields take their defaults (S17 defaults to
// the S2 value); a numeric field that is not a number, or too large for its
// width, raises the conversion error.
CWindowSetting ParseSettingLine(std::string_view line);

// All settings, in order, each under its key, read from and written to the
// settings file.
class CWindowSettings : public CStoredList<CWindowSetting> {
public:
    explicit CWindowSettings(IErrorReporter& reporter) : CStoredList(reporter) {}

    std::string AppDataFile;

    // Stores a copy of `values` under the next key and returns it; reports the
    // error titled "Add" and returns nothing when no key is left.
    Pointer Add(CWindowSetting values);

    // Selects, in `list`, the entry of the setting with exactly this name.
    void LocateItem(std::string_view settingName, ISettingList& list);
    // Selects the list entry whose number is that of `key`.
    void LocateItemByKey(std::string_view key, ISettingList& list);

    // Writes every setting to AppDataFile; raises to the caller when it cannot,
    // leaving the previous file as it was. A file the last load could not read
    // in full is set aside first, and the user told so.
    void SaveItems();
    // Replaces the collection by the file's settings; a missing file gives none.
    void LoadItems();
    // Replaces the collection by the settings in `text`, one a line. A line
    // whose Add fails is reported by Add and skipped; a bad number is
    // reported titled "LoadItems" and ends the load at that line.
    void LoadFromText(std::string_view text);
    // The file text SaveItems writes.
    std::string FileText() const;
};

} // namespace kiv
