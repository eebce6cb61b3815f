#include "store/Options.h"

#include "store/DataFolder.h"
#include "util/DebugLog.h"
#include "util/FileSystem.h"
#include "util/IniText.h"
#include "util/Numbers.h"
#include "util/Strings.h"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>
#include <span>
#include <variant>
#include <vector>

namespace kiv {

namespace {

constexpr std::string_view kSection = kAppTitle;

// The start mode is written as its absolute value, so a hidden start (-1)
// comes back as minimized (1).
struct StartMode {
    int32_t COptions::*field;
};

// "left,top"; written only once there is one.
struct Origin {
    std::optional<WindowOrigin> COptions::*field;
};

using OptionField =
    std::variant<bool COptions::*, int32_t COptions::*, std::string COptions::*, StartMode, Origin>;

struct OptionKey {
    std::string_view name;
    OptionField field;
};

constexpr std::string_view kMainWindowPositionKey = "MainWindowPosition";

// In the order the keys are written.
const std::array<OptionKey, 30> kOptionKeys = {{
    {"SubClassWindowSize", &COptions::SubClassWindowSize},
    {"GlobalKeyHook", &COptions::GlobalKeyHook},
    {"SpecifyDimensions", &COptions::SpecifyDimensions},
    {"AssumedHeight", &COptions::AssumedHeight},
    {"AssumedWidth", &COptions::AssumedWidth},
    {"TaskBarMargin", &COptions::TaskBarMargin},
    {"TitleBarMargin", &COptions::TitleBarMargin},
    {"SideMargin", &COptions::SideMargin},
    {"Drive", &COptions::Drive},
    {"PlayListAutoSelect", &COptions::PlayListAutoSelect},
    {"PlayListAutoAdd", &COptions::PlayListAutoAdd},
    {"PlayListDefaultSetting", &COptions::PlayListDefaultSetting},
    {"DisableDVDRomContent", &COptions::DisableDVDRomContent},
    {"AutoMouseHide", &COptions::AutoMouseHide},
    {"ShowTrayIcon", &COptions::ShowTrayIcon},
    {"LaunchApplication", &COptions::LaunchApplication},
    {"WindowStartMode", StartMode{&COptions::WindowStartMode}},
    {"UseCaptionNotClass", &COptions::UseCaptionNotClass},
    {"HotKeySetFocusApp", &COptions::HotKeySetFocusApp},
    {"HotKeySetFocusKIV", &COptions::HotKeySetFocusKIV},
    {"HotKeyMoveUp", &COptions::HotKeyMoveUp},
    {"HotKeyMoveDown", &COptions::HotKeyMoveDown},
    {"HotKeyMoveLeft", &COptions::HotKeyMoveLeft},
    {"HotKeyMoveRight", &COptions::HotKeyMoveRight},
    {"HotKeyExpand", &COptions::HotKeyExpand},
    {"HotKeyShrink", &COptions::HotKeyShrink},
    {"HotKeySave", &COptions::HotKeySave},
    {"HotKeyReapplyCurrent", &COptions::HotKeyReapplyCurrent},
    {"StartWithWindows", &COptions::StartWithWindows},
    {kMainWindowPositionKey, Origin{&COptions::MainWindowPosition}},
}};

template <class... Ts> struct Overloaded : Ts... { using Ts::operator()...; };
template <class... Ts> Overloaded(Ts...) -> Overloaded<Ts...>;

void ApplyValue(COptions& options, const OptionField& field, const std::string& text) {
    std::visit(
        Overloaded{
            [&](bool COptions::*member) {
                if (text == "1" || text == "0") {
                    options.*member = text == "1";
                }
            },
            [&](int32_t COptions::*member) {
                if (IsNumeric(text)) {
                    options.*member = StrictToInt32(text);
                }
            },
            [&](std::string COptions::*member) { options.*member = text; },
            [&](StartMode mode) {
                if (IsNumeric(text)) {
                    options.*mode.field = StrictToInt32(text);
                }
            },
            [&](Origin origin) {
                const size_t comma = text.find(',');
                if (comma == std::string::npos) {
                    return;
                }
                const std::string_view left = std::string_view(text).substr(0, comma);
                const std::string_view top = std::string_view(text).substr(comma + 1);
                if (IsNumeric(left) && IsNumeric(top)) {
                    options.*origin.field = WindowOrigin{StrictToInt32(left), StrictToInt32(top)};
                }
            },
        },
        field);
}

std::string ValueText(const COptions& options, const OptionField& field) {
    return std::visit(
        Overloaded{
            [&](bool COptions::*member) -> std::string { return options.*member ? "1" : "0"; },
            [&](int32_t COptions::*member) { return DecimalText(options.*member); },
            [&](std::string COptions::*member) { return options.*member; },
            [&](StartMode mode) { return DecimalText(std::llabs(int64_t{options.*mode.field})); },
            [&](Origin origin) {
                const WindowOrigin at = (options.*origin.field).value_or(WindowOrigin{});
                return DecimalText(at.left) + "," + DecimalText(at.top);
            },
        },
        field);
}

bool IsWritten(const COptions& options, const OptionField& field) {
    const auto* origin = std::get_if<Origin>(&field);
    return origin == nullptr || (options.*origin->field).has_value();
}

// The options file's text with `keys` written into it. No file yet gives a
// new one; a file that is there but cannot be read is left alone, since a
// copy without its other keys would replace it.
std::string TextWithKeys(const COptions& options, const std::string& path,
                         std::span<const OptionKey> keys) {
    std::string text;
    try {
        text = ReadWholeFile(path);
    } catch (const CRuntimeError& error) {
        if (error.Number() != ErrorNumber::FileNotFound) {
            throw;
        }
    }
    for (const OptionKey& key : keys) {
        if (IsWritten(options, key.field)) {
            text = ProfileUpdate(text, kSection, key.name, ValueText(options, key.field));
        }
    }
    return text;
}

} // namespace

COptions::COptions(IErrorReporter& reporter, const std::string& dataFolder) : mReporter(&reporter) {
    TrapErrors(reporter, "Class_Initialize", [&] { INIFilePath = dataFolder + kOptionsFileName; });
}

void COptions::RetrieveSettings() {
    TrapErrors(*mReporter, "RetrieveSettings", [&] {
        if (INIFilePath.empty() || !FileExists(INIFilePath)) {
            return;
        }
        std::string text;
        try {
            text = ReadWholeFile(INIFilePath);
        } catch (const CRuntimeError& error) {
            // The profile calls read a file they cannot open as an empty one.
            LogDebug("RetrieveSettings", FormatErrorMessage(error));
            return;
        }
        LoadFromText(text);
    });
}

void COptions::LoadFromText(std::string_view fileText) {
    TrapErrors(*mReporter, "RetrieveSettings", [&] {
        const std::vector<ProfileEntry> entries = ProfileSectionEntries(fileText, kSection);
        for (const OptionKey& key : kOptionKeys) {
            std::optional<std::string> value = ProfileValue(entries, key.name);
            if (!value) {
                continue;
            }
            if (value->size() > kIniValueLimit) {
                value->resize(kIniValueLimit);
            }
            std::string text = TrimSpaces(*value);
            if (!text.empty()) { // an empty value counts as missing
                ApplyValue(*this, key.field, text);
            }
        }
    });
}

bool COptions::SaveSettings() {
    return TrapErrors(*mReporter, "SaveSettings", [&] {
        // Every key goes into the text first and the file is replaced once,
        // so a failure at any step leaves the old file whole. A write the
        // system refuses (a read-only file, a full disk) is reported.
        SaveFileAtomically(INIFilePath, TextWithKeys(*this, INIFilePath, kOptionKeys));
    });
}

bool COptions::SaveMainWindowPosition() noexcept {
    try {
        const auto key = std::find_if(kOptionKeys.begin(), kOptionKeys.end(), [](const auto& k) {
            return k.name == kMainWindowPositionKey;
        });
        SaveFileAtomically(INIFilePath, TextWithKeys(*this, INIFilePath, {key, 1}));
        return true;
    } catch (...) {
        LogCurrentError("SaveMainWindowPosition");
        return false;
    }
}

void COptions::AssignTo(COptions& other) const {
    IErrorReporter* reporter = other.mReporter;
    other = *this;
    other.mReporter = reporter;
}

} // namespace kiv
