#pragma once

#include "playlist/DriveArrival.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace kiv::win32 {

// What GetDriveLetterInfo reports about a drive's volume.
enum class DriveInfoKind : int32_t {
    VolumeName = 0,
    SerialNumber = 1,
    MaxComponentLength = 2,
    FileSystemFlags = 3,
    FileSystemName = 4,
    DriveType = 5
};

// One fact about the volume in `drive` ("D:"), as text; numbers in decimal.
// Empty when the volume cannot be read (no disc, drive not ready) and for a
// kind outside the list. An empty drive shows no "insert a disk" box.
std::string GetDriveLetterInfo(std::string_view drive, DriveInfoKind kind);

class CDriveReaderWin32 final : public IDriveReader {
public:
    DiscIdentity ReadDisc(std::string_view drive) override;
};

} // namespace kiv::win32
