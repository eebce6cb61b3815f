#pragma once

#include "util/RuntimeError.h"

#include <exception>
#include <new>
#include <string>
#include <string_view>

namespace kiv {

// The program's title: window captions, the options section, message box titles.
inline constexpr std::string_view kAppTitle = "KIV";

// Where error and information messages go: a message box in the program, a
// recorder in tests. Every message has only an OK button.
class IErrorReporter {
public:
    virtual ~IErrorReporter() = default;
    virtual void ShowMessage(std::string_view text, std::string_view title) = 0;
    // The same with the critical (stop) icon, for a message the program ends on.
    virtual void ShowCriticalMessage(std::string_view text, std::string_view title) {
        ShowMessage(text, title);
    }
};

// "Error: 13. Type mismatch", titled with the procedure's name.
std::string FormatErrorMessage(const CRuntimeError& error);
void ReportError(IErrorReporter& reporter, std::string_view procedure, const CRuntimeError& error);

// The shared utilities' variant: "Error: 53, File not found" under the program title.
std::string FormatUtilityErrorMessage(const CRuntimeError& error);
void ReportUtilityError(IErrorReporter& reporter, const CRuntimeError& error);

// Turns whatever escaped a procedure into the run-time error it stands for.
CRuntimeError CurrentErrorAsRuntimeError(std::exception_ptr error);

// Inside a catch block that goes on without telling the user: one line in the
// debug log naming `where` and the error. Costs nothing while the log is off.
void LogCurrentError(std::string_view where) noexcept;

// Runs `body`; an error it raises is reported titled `procedure` and the
// procedure ends there. Returns true when the body ran to its end.
template <typename Body>
bool TrapErrors(IErrorReporter& reporter, std::string_view procedure, Body&& body) noexcept {
    try {
        body();
        return true;
    } catch (...) {
        try {
            ReportError(reporter, procedure, CurrentErrorAsRuntimeError(std::current_exception()));
        } catch (...) {
            // Out of memory while building the message: nothing more can be said.
        }
        return false;
    }
}

} // namespace kiv
