#include "util/RuntimeError.h"

namespace kiv {

std::string_view ErrorDescription(ErrorNumber number) {
    switch (number) {
    case ErrorNumber::InvalidProcedureCall:
        return "Invalid procedure call or argument";
    case ErrorNumber::Overflow:
        return "Overflow";
    case ErrorNumber::OutOfMemory:
        return "Out of memory";
    case ErrorNumber::SubscriptOutOfRange:
        return "Subscript out of range";
    case ErrorNumber::TypeMismatch:
        return "Type mismatch";
    case ErrorNumber::FileNotFound:
        return "File not found";
    case ErrorNumber::DllFunctionNotFound:
        return "Specified DLL function not found";
    case ErrorNumber::PathFileAccess:
        return "Path/File access error";
    case ErrorNumber::DuplicateKey:
        return "This key is already associated with an element of this collection";
    }
    return "Application-defined or object-defined error";
}

CRuntimeError::CRuntimeError(ErrorNumber number)
    : std::runtime_error(std::string(ErrorDescription(number))), mNumber(number) {}

void Raise(ErrorNumber number) {
    throw CRuntimeError(number);
}

} // namespace kiv
