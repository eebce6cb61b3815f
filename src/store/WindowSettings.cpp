#include "store/WindowSettings.h"

#include "store/StoreFile.h"
#include "store/TaggedLine.h"
#include "util/Numbers.h"

#include <charconv>
#include <iterator>
#include <variant>

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

// The fields of a settings line in the file's order: tag, number, member.
using TextMember = std::string CWindowSetting::*;
using Int32Member = int32_t CWindowSetting::*;
using Int16Member = int16_t CWindowSetting::*;
struct SettingField {
    std::string_view tag;
    int number;
    std::variant<TextMember, Int32Member, Int16Member> member;
};
constexpr SettingField kSettingFields[] = {
    {"S1", 1, &CWindowSetting::SettingName},
    {"S2", 2, &CWindowSetting::WindowClass},
    {"S3", 3, &CWindowSetting::WindowLeft},
    {"S4", 4, &CWindowSetting::WindowTop},
    {"S5", 5, &CWindowSetting::WindowWidth},
    {"S6", 6, &CWindowSetting::WindowHeight},
    {"S11", 11, &CWindowSetting::OrbitRangeHorizontal},
    {"S12", 12, &CWindowSetting::OrbitRangeVertical},
    {"S13", 13, &CWindowSetting::OrbitInterval},
    {"S14", 14, &CWindowSetting::OrbitIncrement},
    {"S15", 15, &CWindowSetting::BlankingOn},
    {"S16", 16, &CWindowSetting::HotKey},
    {"S17", 17, &CWindowSetting::ApplicationName},
    {"S18", 18, &CWindowSetting::BlankingPadLeft},
    {"S19", 19, &CWindowSetting::BlankingPadRight},
    {"S20", 20, &CWindowSetting::BlankingPadTop},
    {"S21", 21, &CWindowSetting::BlankingPadBottom},
    {"S22", 22, &CWindowSetting::LockPosition},
};

// One visitor of the alternatives' handlers.
template <typename... Handlers> struct Overloaded : Handlers... { using Handlers::operator()...; };
template <typename... Handlers> Overloaded(Handlers...) -> Overloaded<Handlers...>;

} // namespace

std::string SettingLine(const CWindowSetting& s) {
    std::string line;
    line.reserve(160 + s.SettingName.size() + s.WindowClass.size() + s.ApplicationName.size());
    AppendSettingLine(line, s);
    return line;
}

void AppendSettingLine(std::string& line, const CWindowSetting& s) {
    for (const SettingField& field : kSettingFields) {
        std::visit(Overloaded{[&](TextMember text) { AppendField(line, field.tag, s.*text); },
                              [&](auto number) { AppendNumberField(line, field.tag, s.*number); }},
                   field.member);
    }
}

CWindowSetting ParseSettingLine(std::string_view line) {
    CTaggedLine fields(line);
    CWindowSetting s;
    for (const SettingField& field : kSettingFields) {
        std::visit(
            Overloaded{[&](TextMember text) { s.*text = fields.Value(field.number, ""); },
                       [&](Int32Member number) { s.*number = Int32Field(fields, field.number); },
                       [&](Int16Member number) { s.*number = Int16Field(fields, field.number); }},
            field.member);
    }
    // An absent S17 is the S2 value.
    if (!fields.Has(17)) {
        s.ApplicationName = s.WindowClass;
    }
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
