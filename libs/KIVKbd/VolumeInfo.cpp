#include "Internal.h"
#include "KIVKbd.h"
#include "platform/win32/QuietDriveErrors.h"

#include <algorithm>
#include <array>
#include <optional>

namespace kiv::kbd {

namespace {

using RootPath = std::array<char, 4>; // "X:\" and the terminator

RootPath RootOf(char letter) noexcept {
    const char upper =
        (letter >= 'a' && letter <= 'z') ? static_cast<char>(letter - 'a' + 'A') : letter;
    return {upper, ':', '\\', '\0'};
}

bool IsDriveLetter(char c) noexcept {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

std::optional<RootPath> FirstCdRomDrive() noexcept {
    const DWORD drives = GetLogicalDrives();
    for (int i = 0; i < 26; ++i) {
        if ((drives & (1u << i)) == 0) {
            continue;
        }
        const RootPath root = RootOf(static_cast<char>('A' + i));
        if (GetDriveTypeA(root.data()) == DRIVE_CDROM) {
            return root;
        }
    }
    return std::nullopt;
}

// "R", "R:", "R:\" name a drive; the empty text means the first CD-ROM drive.
std::optional<RootPath> DriveFromText(const char* text) noexcept {
    if (text[0] == '\0') {
        return FirstCdRomDrive();
    }
    if (!IsDriveLetter(text[0])) {
        return std::nullopt;
    }
    const bool bareLetter = text[1] == '\0';
    const bool letterColon =
        text[1] == ':' && (text[2] == '\0' || (text[2] == '\\' && text[3] == '\0'));
    if (!bareLetter && !letterColon) {
        return std::nullopt;
    }
    return RootOf(text[0]);
}

void CopyOut(char* destination, const char* source) noexcept {
    if (destination == nullptr) {
        return;
    }
    const char* end = std::find(source, source + support::kDvdInfoBufferSize - 1, '\0');
    const auto length = end - source;
    std::copy(source, end, destination);
    destination[length] = '\0';
}

} // namespace

bool ReadVolumeInfo(char* volumeName, char* fileSystem, std::uint32_t* serial) noexcept {
    if (volumeName == nullptr) {
        return false;
    }
    // volumeName is read before it is overwritten.
    const std::optional<RootPath> root = DriveFromText(volumeName);

    std::array<char, MAX_PATH + 1> name = {};
    std::array<char, MAX_PATH + 1> system = {};
    DWORD number = 0;
    bool ok = false;
    if (root) {
        win32::CQuietDriveErrors quiet;
        ok = GetVolumeInformationA(root->data(), name.data(), static_cast<DWORD>(name.size()),
                                   &number, nullptr, nullptr, system.data(),
                                   static_cast<DWORD>(system.size())) != 0;
    }
    if (!ok) {
        name[0] = '\0';
        system[0] = '\0';
        number = 0;
    }
    CopyOut(volumeName, name.data());
    CopyOut(fileSystem, system.data());
    if (serial != nullptr) {
        *serial = number;
    }
    return ok;
}

} // namespace kiv::kbd
