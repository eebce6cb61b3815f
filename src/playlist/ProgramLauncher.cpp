#include "playlist/ProgramLauncher.h"

#include "util/Strings.h"

namespace kiv {

bool StartsAsProgram(std::string_view path) {
    constexpr std::string_view kProgramExtension = ".exe";
    const size_t name = path.find_last_of("\\/");
    const std::string_view fileName = name == std::string_view::npos ? path : path.substr(name + 1);
    return fileName.size() > kProgramExtension.size() &&
           EqualsIgnoreCase(fileName.substr(fileName.size() - kProgramExtension.size()),
                            kProgramExtension);
}

} // namespace kiv
