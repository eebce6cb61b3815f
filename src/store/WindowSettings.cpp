#include "store/WindowSettings.h"

#include "store/StoreFile.h"
#include "store/TaggedLine.h"
#include "util/Numbers.h"

#include <charconv>
#include <iterator>

namespace kiv {

namespace {

void AppendNumberField(std::string& line, std::string_view tag, int64_t value) {
    char digits[24];
    char* end = std::to_chars(std::begin(digits), std::end(digits), value).ptr;
    AppendField(line, tag, std::string_view(digits, static_cast<size_t>(end - digits)));
}

// A number as the writer writes it, "-" and digits, is read directly; the
// strict rule, which gives it the same value, reads anything else and raises.
template <typename Int>
Int IntegerField(const CTaggedLine& fields, int tag, Int (*strict)(std::string_view)) {
    std::string_view text = fields.Value(tag, "0");
    Int value = 0;
    auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    return error == std::errc() && end == text.data() + text.size() ? value : strict(text);
}

int32_t Int32Field(const CTaggedLine& fields, int tag) {
    return IntegerField<int32_t>(fields, tag, StrictToInt32);
}

int16_t Int16Field(const CTaggedLine& fields, int tag) {
    return IntegerField<int16_t>(fields, tag, StrictToInt16);
}

} // namespace

std::string SettingLine(const CWindowSetting& s) {
    std::string line;
    line.reserve(160 + s.SettingName.size() + s.WindowClass.size() + s.ApplicationName.size());
    AppendSettingLine(line, s);
    return line;
}

void AppendSettingLine(std::string& line, const CWindowSetting& s) {
    AppendField(line, "S1", s.SettingName);
    AppendField(line, "S2", s.WindowClass);
    AppendNumberField(line, "S3", s.WindowLeft);
    AppendNumberField(line, "S4", s.WindowTop);
    AppendNumberField(line, "S5", s.WindowWidth);
    AppendNumberField(line, "S6", s.WindowHeight);
    AppendNumberField(line, "S11", s.OrbitRangeHorizontal);
    AppendNumberField(line, "S12", s.OrbitRangeVertical);
    AppendNumberField(line, "S13", s.OrbitInterval);
    AppendNumberField(line, "S14", s.OrbitIncrement);
    AppendNumberField(line, "S15", s.BlankingOn);
    AppendField(line, "S16", s.HotKey);
    AppendField(line, "S17", s.ApplicationName);
    AppendNumberField(line, "S18", s.BlankingPadLeft);
    AppendNumberField(line, "S19", s.BlankingPadRight);
    AppendNumberField(line, "S20", s.BlankingPadTop);
    AppendNumberField(line, "S21", s.BlankingPadBottom);
    AppendNumberField(line, "S22", s.LockPosition);
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

CWindowSettings::Pointer CWindowSettings::Add(CWindowSetting values) {
    Pointer added;
    TrapErrors(mReporter, "Add", [&] {
        auto setting = std::make_shared<CWindowSetting>(std::move(values));
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
    // A line with empty texts and zeros is about 110 bytes.
    return StoreFileText(
        mItems, AppendSettingLine, [](const CWindowSetting&) { return true; }, 128);
}

void CWindowSettings::SaveItems() {
    mFile.Save(AppDataFile, FileText(), mReporter, {"the setting list", "settings"});
}

void CWindowSettings::LoadItems() {
    mFile.Load(mItems, mReporter, AppDataFile,
               [this](std::string_view line) { Add(ParseSettingLine(line)); });
}

void CWindowSettings::LoadFromText(std::string_view text) {
    LoadStoreText(mItems, mReporter, text,
                  [this](std::string_view line) { Add(ParseSettingLine(line)); });
}

} // namespace kiv
