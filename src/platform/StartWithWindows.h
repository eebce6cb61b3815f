#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace kiv {

// KIV's entry among the programs Windows starts when the user logs on.
class IStartWithWindows {
public:
    virtual ~IStartWithWindows() = default;
    // The command the entry starts; nothing when there is no entry.
    virtual std::optional<std::string> Entry() = 0;
    // Makes the entry start `command`. False when the system refused.
    virtual bool WriteEntry(const std::string& command) = 0;
    // False when the system refused; no entry to remove is no failure.
    virtual bool RemoveEntry() = 0;
    // The full path of the running program.
    virtual std::string ProgramPath() = 0;
};

// Whether `command` starts the program at `programPath`: the same path,
// letter case aside, quoted or not; after a quoted path come its arguments.
bool StartsProgram(std::string_view command, std::string_view programPath);

// The command that starts the program at `programPath`: its path in quotes.
std::string StartCommandFor(std::string_view programPath);

} // namespace kiv
