#pragma once

#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kiv {

// The run-time error numbers the program reports. Every message that says
// "Error: N. description" takes its description from one table.
enum class ErrorNumber : int32_t {
    InvalidProcedureCall = 5,
    Overflow = 6,
    OutOfMemory = 7,
    SubscriptOutOfRange = 9,
    TypeMismatch = 13,
    FileNotFound = 53,
    DllFunctionNotFound = 453,
    PathFileAccess = 75,
    DuplicateKey = 457,
};

std::string_view ErrorDescription(ErrorNumber number);

// An error raised by one of the program's procedures and reported by the one
// that traps it. Carries the classic number and its description.
class CRuntimeError : public std::runtime_error {
public:
    explicit CRuntimeError(ErrorNumber number);

    ErrorNumber Number() const noexcept { return mNumber; }
    std::string_view Description() const { return ErrorDescription(mNumber); }

private:
    ErrorNumber mNumber;
};

[[noreturn]] void Raise(ErrorNumber number);

} // namespace kiv
