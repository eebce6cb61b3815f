#pragma once

#include <string>
#include <string_view>

namespace kiv {

// The disc in a drive, as the play list knows discs: the volume name and the
// serial number as upper-case hexadecimal text without leading zeros. Both are
// empty when no disc can be read.
struct DiscIdentity {
    std::string Volume;
    std::string SerNo;
    bool Present() const noexcept { return !Volume.empty() || !SerNo.empty(); }
    bool operator==(const DiscIdentity&) const = default;
};

// Reads which disc is in a drive.
class IDriveReader {
public:
    virtual ~IDriveReader() = default;
    // `drive` is a drive letter followed by ":".
    virtual DiscIdentity ReadDisc(std::string_view drive) = 0;
};

// The main window's handling of a disc in the configured drive: the play list
// looked up, the mapped setting selected, a new disc added, the player started.
class IDriveArrival {
public:
    virtual ~IDriveArrival() = default;
    virtual void DriveArriveSelectSetting(std::string_view drive, bool allowAdding, bool autoSelect,
                                          bool autoAdd, bool showNotice) = 0;
};

} // namespace kiv
