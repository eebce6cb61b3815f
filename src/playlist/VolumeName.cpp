#include "playlist/VolumeName.h"

#include "util/Strings.h"

namespace kiv {

std::string FixVolumeName(std::string_view volumeName) {
    std::string title = ProperCase(ReplaceString(volumeName, "_", " ", false));
    return title.empty() ? "Unnamed Volume" : title;
}

} // namespace kiv
