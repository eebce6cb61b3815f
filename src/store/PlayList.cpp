#include "store/PlayList.h"

#include "store/StoreFile.h"
#include "store/TaggedLine.h"

namespace kiv {

void AppendPlayListLine(std::string& text, const CPlayListItem& item) {
    AppendField(text, "S1", item.Title);
    AppendField(text, "S2", item.Setting);
    AppendField(text, "S3", item.Volume);
    AppendField(text, "S4", item.SerNo);
}

CPlayListItem ParsePlayListLine(std::string_view line) {
    CTaggedLine fields(line);
    CPlayListItem item;
    item.Title = fields.Value(1, "");
    item.Setting = fields.Value(2, "");
    item.Volume = fields.Value(3, "");
    item.SerNo = fields.Value(4, "");
    // A line of the current form keeps its fields even with an empty title,
    // so that every entry reads back as it was written.
    if (!line.empty() && !fields.Has(1)) {
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
    return StoreFileText(
        mItems, AppendPlayListLine, [](const CPlayListItem& item) { return !item.LogicalDelete; },
        48);
}

void CPlayList::SaveItems() {
    mFile.Save(PlayListFile, FileText(), mReporter, {"the play list", "discs"});
}

void CPlayList::LoadItems() {
    mFile.Load(mItems, mReporter, PlayListFile, [this](std::string_view line) { AddLine(line); });
}

void CPlayList::LoadFromText(std::string_view text) {
    LoadStoreText(mItems, mReporter, text, [this](std::string_view line) { AddLine(line); });
}

void CPlayList::AddLine(std::string_view line) {
    CPlayListItem read = ParsePlayListLine(line);
    Add(read.Title, read.Setting, read.Volume, read.SerNo);
}

} // namespace kiv
