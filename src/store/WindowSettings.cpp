#include "store/WindowSettings.h"

#include "store/StoreFile.h"
#include "store/TaggedLine.h"
#include "util/Numbers.h"

namespace kiv {

namespace {

void AppendField(std::string& line, std::string_view tag, std::string_view value) {
    line += tag;
    line += '=';
    line += value;
    line += ';';
}

void AppendField(std::string& line, std::string_view tag, int64_t value) {
    AppendField(line, tag, DecimalText(value));
}

int32_t Int32Field(const CTaggedLine& fields, int tag) {
    return StrictToInt32(fields.Value(tag, "0"));
}

int16_t Int16Field(const CTaggedLine& fields, int tag) {
    return StrictToInt16(fields.Value(tag, "0"));
}

} // namespace

std::string SettingLine(const CWindowSetting& s) {
    std::string line;
    line.reserve(160 + s.SettingName.size() + s.WindowClass.size() + s.ApplicationName.size());
    AppendField(line, "S1", s.SettingName);
    AppendField(line, "S2", s.WindowClass);
    AppendField(line, "S3", s.WindowLeft);
    AppendField(line, "S4", s.WindowTop);
    AppendField(line, "S5", s.WindowWidth);
    AppendField(line, "S6", s.WindowHeight);
    AppendField(line, "S11", s.OrbitRangeHorizontal);
    AppendField(line, "S12", s.OrbitRangeVertical);
    AppendField(line, "S13", s.OrbitInterval);
    AppendField(line, "S14", s.OrbitIncrement);
    AppendField(line, "S15", s.BlankingOn);
    AppendField(line, "S16", s.HotKey);
    AppendField(line, "S17", s.ApplicationName);
    AppendField(line, "S18", s.BlankingPadLeft);
    AppendField(line, "S19", s.BlankingPadRight);
    AppendField(line, "S20", s.BlankingPadTop);
    AppendField(line, "S21", s.BlankingPadBottom);
    AppendField(line, "S22", s.LockPosition);
    return line;
}

CWindowSetting ParseSettingLine(std::string_view line) {
    // Fields are taken in the reader's order, S17 last since its default is the S2 value.
    CTaggedLine fields(line);
    CWindowSetting s;
    s.SettingName = fields.Value(1, "");
    s.WindowClass = fields.Value(2, "");
    s.WindowLeft = Int32Field(fields, 3);
    s.WindowTop = Int32Field(fields, 4);
    s.WindowWidth = Int32Field(fields, 5);
    s.WindowHeight = Int32Field(fields, 6);
    s.OrbitRangeHorizontal = Int32Field(fields, 11);
    s.OrbitRangeVertical = Int32Field(fields, 12);
    s.OrbitInterval = Int32Field(fields, 13);
    s.OrbitIncrement = Int32Field(fields, 14);
    s.BlankingOn = Int16Field(fields, 15);
    s.HotKey = fields.Value(16, "");
    s.BlankingPadLeft = Int32Field(fields, 18);
    s.BlankingPadRight = Int32Field(fields, 19);
    s.BlankingPadTop = Int32Field(fields, 20);
    s.BlankingPadBottom = Int32Field(fields, 21);
    s.LockPosition = Int16Field(fields, 22);
    s.ApplicationName = fields.Value(17, s.WindowClass);
    return s;
}

CWindowSettings::Pointer CWindowSettings::Add(const CWindowSetting& values) {
    Pointer added;
    TrapErrors(mReporter, "Add", [&] {
        auto setting = std::make_shared<CWindowSetting>(values);
        setting->ItemKey = mItems.Append(setting);
        added = std::move(setting);
    });
    return added;
}

void CWindowSettings::LocateItem(std::string_view settingName, ISettingList& list) {
    TrapErrors(mReporter, "LocateItem", [&] {
        for (const Pointer& setting : mItems) {
            if (setting->SettingName == settingName) {
                int32_t index = list.FindStringExact(settingName);
                if (index >= 0) {
                    list.SetListIndex(index);
                }
                return;
            }
        }
    });
}

void CWindowSettings::LocateItemByKey(std::string_view key, ISettingList& list) {
    TrapErrors(mReporter, "LocateItemByKey", [&] {
        if (!mItems.Contains(key) || list.ListCount() == 0) {
            return;
        }
        int32_t number = StrictToInt32(key.substr(1));
        for (int32_t i = 0; i < list.ListCount(); ++i) {
            if (list.ItemData(i) == number) {
                list.SetListIndex(i);
                return;
            }
        }
    });
}

std::string CWindowSettings::FileText() const {
    return StoreFileText(mItems, SettingLine, [](const CWindowSetting&) { return true; });
}

void CWindowSettings::SaveItems() const {
    SaveFileAtomically(AppDataFile, FileText());
}

void CWindowSettings::LoadItems() {
    LoadStoreFile(mItems, mReporter, AppDataFile,
                  [this](std::string_view line) { Add(ParseSettingLine(line)); });
}

void CWindowSettings::LoadFromText(std::string_view text) {
    LoadStoreText(mItems, mReporter, text,
                  [this](std::string_view line) { Add(ParseSettingLine(line)); });
}

} // namespace kiv
