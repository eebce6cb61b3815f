#pragma once

#include "playlist/DriveArrival.h"

#include <string_view>

namespace kiv::win32 {

// Reads the disc on a thread of its own: a drive spinning up, or a scratched
// disc, can take seconds to answer, while KIV's window keeps handling its
// messages. A drive that has not answered within a bound counts as empty. An
// empty drive shows no "insert a disk" box.
class CDriveReaderWin32 final : public IDriveReader {
public:
    DiscIdentity ReadDisc(std::string_view drive) override;
};

} // namespace kiv::win32
