#pragma once

#include "store/KeyedCollection.h"
#include "store/StoreFile.h"
#include "util/ErrorReport.h"

#include <memory>
#include <string>
#include <string_view>

namespace kiv {

// One DVD of the play list: the disc's volume name and serial number text
// identify it, and Setting names the setting to apply when it is inserted.
struct CPlayListItem {
    std::string Title;
    std::string Setting;
    std::string Volume;
    std::string SerNo;          // upper-case hexadecimal, no leading zeros
    bool LogicalDelete = false; // kept in memory, left out when saved
    std::string ItemKey;        // never stored in the file
};

// Appends S1=title;S2=setting;S3=volume;S4=serial; without its CR LF.
void AppendPlayListLine(std::string& text, const CPlayListItem& item);

// The entry a line holds. A non-empty line without an S1 field but with an "="
// is the older "title=setting" form.
CPlayListItem ParsePlayListLine(std::string_view line);

class CPlayList : public CStoredList<CPlayListItem> {
public:
    explicit CPlayList(IErrorReporter& reporter) : CStoredList(reporter) {}

    std::string PlayListFile;

    // Appends a new entry; reports the error titled "Add" and returns nothing
    // when no key is left.
    Pointer Add(std::string_view title, std::string_view setting, std::string_view volume,
                std::string_view serNo);
    // The first entry for this disc, deleted ones included; nothing when none.
    Pointer LocatePlayListItem(std::string_view volume, std::string_view serNo) const;

    // Writes the entries not marked deleted; raises to the caller when it
    // cannot, leaving the previous file as it was. A file the last load could
    // not read in full is set aside first, and the user told so.
    void SaveItems();
    void LoadItems();
    void LoadFromText(std::string_view text);
    std::string FileText() const;

private:
    void AddLine(std::string_view line);
};

} // namespace kiv
