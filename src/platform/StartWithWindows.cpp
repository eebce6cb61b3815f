#include "platform/StartWithWindows.h"

#include "util/Strings.h"

namespace kiv {

bool StartsProgram(std::string_view command, std::string_view programPath) {
    std::string path = TrimSpaces(command);
    if (!path.empty() && path.front() == '"') {
        const size_t close = path.find('"', 1);
        path = path.substr(1, close == std::string::npos ? std::string::npos : close - 1);
    }
    return !path.empty() && EqualsIgnoreCase(path, programPath);
}

std::string StartCommandFor(std::string_view programPath) {
    return "\"" + std::string(programPath) + "\"";
}

} // namespace kiv
