#include "util/IniText.h"

#include "util/Strings.h"
#include "util/TextLines.h"

#include <vector>

namespace kiv {

namespace {

std::string_view TrimWhite(std::string_view text) {
    constexpr std::string_view kWhite = " \t";
    size_t first = text.find_first_not_of(kWhite);
    if (first == std::string_view::npos) {
        return {};
    }
    size_t last = text.find_last_not_of(kWhite);
    return text.substr(first, last - first + 1);
}

// The section name of a "[name]" line; nothing for any other line.
std::optional<std::string_view> SectionName(std::string_view line) {
    std::string_view trimmed = TrimWhite(line);
    if (trimmed.empty() || trimmed.front() != '[') {
        return std::nullopt;
    }
    trimmed.remove_prefix(1);
    size_t close = trimmed.find(']');
    return TrimWhite(trimmed.substr(0, close));
}

struct Entry {
    std::string_view key;
    std::string_view value;
};

std::optional<Entry> KeyValue(std::string_view line) {
    std::string_view trimmed = TrimWhite(line);
    if (trimmed.empty() || trimmed.front() == ';') {
        return std::nullopt;
    }
    size_t equals = trimmed.find('=');
    if (equals == std::string_view::npos) {
        return std::nullopt;
    }
    return Entry{TrimWhite(trimmed.substr(0, equals)), TrimWhite(trimmed.substr(equals + 1))};
}

std::string StripQuotes(std::string_view value) {
    if (value.size() >= 2 && (value.front() == '"' || value.front() == '\'') &&
        value.back() == value.front()) {
        value = value.substr(1, value.size() - 2);
    }
    return std::string(value);
}

} // namespace

std::vector<ProfileEntry> ProfileSectionEntries(std::string_view fileText,
                                                std::string_view section) {
    bool inSection = false;
    bool seenSection = false;
    std::vector<ProfileEntry> entries;
    ForEachLine(fileText, [&](std::string_view line) {
        if (auto name = SectionName(line)) {
            // Only the first section of that name counts.
            inSection = !seenSection && EqualsIgnoreCase(*name, TrimWhite(section));
            seenSection = seenSection || inSection;
            return;
        }
        if (inSection) {
            if (auto entry = KeyValue(line)) {
                entries.push_back({std::string(entry->key), StripQuotes(entry->value)});
            }
        }
    });
    return entries;
}

std::optional<std::string> ProfileValue(const std::vector<ProfileEntry>& entries,
                                        std::string_view key) {
    for (const ProfileEntry& entry : entries) {
        if (EqualsIgnoreCase(entry.key, TrimWhite(key))) {
            return entry.value;
        }
    }
    return std::nullopt;
}

std::optional<std::string> ProfileLookup(std::string_view fileText, std::string_view section,
                                         std::string_view key) {
    return ProfileValue(ProfileSectionEntries(fileText, section), key);
}

std::string ProfileUpdate(std::string_view fileText, std::string_view section, std::string_view key,
                          std::string_view value) {
    std::vector<std::string_view> lines;
    ForEachLine(fileText, [&](std::string_view line) { lines.push_back(line); });

    std::string newEntry = std::string(TrimWhite(key)) + "=" + std::string(value);
    std::optional<size_t> replaceAt;
    std::optional<size_t> insertAfter;
    bool inSection = false;
    bool seenSection = false;
    for (size_t i = 0; i < lines.size() && !replaceAt; ++i) {
        if (auto name = SectionName(lines[i])) {
            inSection = !seenSection && EqualsIgnoreCase(*name, TrimWhite(section));
            if (inSection) {
                seenSection = true;
                insertAfter = i;
            }
            continue;
        }
        if (!inSection) {
            continue;
        }
        if (auto entry = KeyValue(lines[i])) {
            if (EqualsIgnoreCase(entry->key, TrimWhite(key))) {
                replaceAt = i;
            }
            insertAfter = i;
        }
    }

    std::string result;
    result.reserve(fileText.size() + newEntry.size() + section.size() + 8);
    for (size_t i = 0; i < lines.size(); ++i) {
        if (replaceAt && *replaceAt == i) {
            result += newEntry;
        } else {
            result += lines[i];
        }
        result += "\r\n";
        if (!replaceAt && insertAfter && *insertAfter == i) {
            result += newEntry;
            result += "\r\n";
        }
    }
    if (!seenSection) {
        if (!result.empty() && !lines.empty() && !TrimWhite(lines.back()).empty()) {
            result += "\r\n";
        }
        result += "[";
        result += TrimWhite(section);
        result += "]\r\n";
        result += newEntry;
        result += "\r\n";
    }
    return result;
}

} // namespace kiv
