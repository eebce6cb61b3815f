#include "store/PlayList.h"

#include "util/FileSystem.h"
#include "util/Strings.h"
#include "util/TextLines.h"

namespace kiv {

std::string PlayListLine(const CPlayListItem& item) {
    std::string line;
    line.reserve(20 + item.Title.size() + item.Setting.size() + item.Volume.size() +
                 item.SerNo.size());
    line += "S1=" + item.Title + ";";
    line += "S2=" + item.Setting + ";";
    line += "S3=" + item.Volume + ";";
    line += "S4=" + item.SerNo + ";";
    return line;
}

CPlayListItem ParsePlayListLine(std::string_view line) {
    CPlayListItem item;
    item.Title = GetTaggedValue(line, "S1", ";", "");
    item.Setting = GetTaggedValue(line, "S2", ";", "");
    item.Volume = GetTaggedValue(line, "S3", ";", "");
    item.SerNo = GetTaggedValue(line, "S4", ";", "");
    if (!line.empty() && item.Title.empty()) {
        if (size_t equals = line.find('='); equals != std::string_view::npos) {
            item.Title = std::string(line.substr(0, equals));
            item.Setting = std::string(line.substr(equals + 1));
            item.Volume.clear();
            item.SerNo.clear();
        }
    }
    return item;
}

CPlayList::Pointer CPlayList::Add(std::string_view title, std::string_view setting,
                                  std::string_view volume, std::string_view serNo) {
    Pointer added;
    TrapErrors(mReporter, "Add", [&] {
        auto item = std::make_shared<CPlayListItem>();
        item->Title = title;
        item->Setting = setting;
        item->Volume = volume;
        item->SerNo = serNo;
        item->ItemKey = mItems.Append(item);
        added = std::move(item);
    });
    return added;
}

CPlayList::Pointer CPlayList::LocatePlayListItem(std::string_view volume,
                                                 std::string_view serNo) const {
    for (const Pointer& item : mItems) {
        if (item->Volume == volume && item->SerNo == serNo) {
            return item;
        }
    }
    return nullptr;
}

std::string CPlayList::FileText() const {
    std::string text;
    for (const Pointer& item : mItems) {
        if (!item->LogicalDelete) {
            text += PlayListLine(*item);
            text += "\r\n";
        }
    }
    return text;
}

void CPlayList::SaveItems() const {
    SaveFileAtomically(PlayListFile, FileText());
}

void CPlayList::LoadItems() {
    mItems.Clear();
    TrapErrors(mReporter, "LoadItems", [&] {
        if (FileExists(PlayListFile)) {
            LoadFromText(ReadWholeFile(PlayListFile));
        }
    });
}

void CPlayList::LoadFromText(std::string_view text) {
    mItems.Clear();
    TrapErrors(mReporter, "LoadItems", [&] {
        bool stopped = false;
        ForEachLine(text, [&](std::string_view line) {
            if (!stopped) {
                CPlayListItem read = ParsePlayListLine(line);
                stopped = !Add(read.Title, read.Setting, read.Volume, read.SerNo);
            }
        });
    });
}

} // namespace kiv
