#pragma once

#include <string>
#include <string_view>

namespace kiv {

// The title a new play list entry gets from its disc's volume name:
// "MY_DVD_TITLE" becomes "My Dvd Title"; no name becomes "Unnamed Volume".
std::string FixVolumeName(std::string_view volumeName);

} // namespace kiv
