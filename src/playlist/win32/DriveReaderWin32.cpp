#include "playlist/win32/DriveReaderWin32.h"

#include "platform/win32/QuietDriveErrors.h"
#include "platform/win32/Win32.h"
#include "playlist/DiscSerial.h"

#include <array>
#include <cstring>

namespace kiv::win32 {

namespace {

std::string UpToNul(const char* text, size_t capacity) {
    return std::string(text, strnlen(text, capacity));
}

} // namespace

std::string GetDriveLetterInfo(std::string_view drive, DriveInfoKind kind) {
    // The root must end in a backslash; "D:" alone names the drive's current folder.
    std::string root(drive);
    if (root.empty() || root.back() != '\\') {
        root += '\\';
    }
    constexpr DWORD kBufferLength = 255;
    std::array<char, kBufferLength + 1> volumeName{};
    std::array<char, kBufferLength + 1> fileSystemName{};
    DWORD serial = 0;
    DWORD maxComponentLength = 0;
    DWORD fileSystemFlags = 0;
    UINT driveType = 0;
    {
        CQuietDriveErrors quiet;
        if (!GetVolumeInformationA(root.c_str(), volumeName.data(), kBufferLength, &serial,
                                   &maxComponentLength, &fileSystemFlags, fileSystemName.data(),
                                   kBufferLength)) {
            return {};
        }
        driveType = GetDriveTypeA(root.c_str());
    }
    switch (kind) {
    case DriveInfoKind::VolumeName:
        return UpToNul(volumeName.data(), volumeName.size());
    case DriveInfoKind::SerialNumber:
        return DiscSerialText(serial);
    case DriveInfoKind::MaxComponentLength:
        return std::to_string(maxComponentLength);
    case DriveInfoKind::FileSystemFlags:
        return std::to_string(fileSystemFlags);
    case DriveInfoKind::FileSystemName:
        return UpToNul(fileSystemName.data(), fileSystemName.size());
    case DriveInfoKind::DriveType:
        return std::to_string(driveType);
    }
    return {};
}

DiscIdentity CDriveReaderWin32::ReadDisc(std::string_view drive) {
    return {GetDriveLetterInfo(drive, DriveInfoKind::VolumeName),
            GetDriveLetterInfo(drive, DriveInfoKind::SerialNumber)};
}

} // namespace kiv::win32
