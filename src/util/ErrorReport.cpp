#include "util/ErrorReport.h"

#include "util/DebugLog.h"

#include <utility>

namespace kiv {

namespace {
std::string FormatWithSeparator(const CRuntimeError& error, std::string_view separator) {
    std::string text = "Error: ";
    text += std::to_string(static_cast<int32_t>(error.Number()));
    text += separator;
    text += error.Description();
    return text;
}
} // namespace

std::string FormatErrorMessage(const CRuntimeError& error) {
    return FormatWithSeparator(error, ". ");
}

void ReportError(IErrorReporter& reporter, std::string_view procedure, const CRuntimeError& error) {
    reporter.ShowMessage(FormatErrorMessage(error), procedure);
}

std::string FormatUtilityErrorMessage(const CRuntimeError& error) {
    return FormatWithSeparator(error, ", ");
}

void ReportUtilityError(IErrorReporter& reporter, const CRuntimeError& error) {
    reporter.ShowMessage(FormatUtilityErrorMessage(error), kAppTitle);
}

CRuntimeError CurrentErrorAsRuntimeError(std::exception_ptr error) {
    try {
        std::rethrow_exception(std::move(error));
    } catch (const CRuntimeError& runtimeError) {
        return runtimeError;
    } catch (const std::bad_alloc&) {
        return CRuntimeError(ErrorNumber::OutOfMemory);
    } catch (...) {
        return CRuntimeError(ErrorNumber::InvalidProcedureCall);
    }
}

void LogCurrentError(std::string_view where) noexcept {
    if (!DebugLogOn()) {
        return;
    }
    try {
        LogDebug(where, FormatErrorMessage(CurrentErrorAsRuntimeError(std::current_exception())));
    } catch (...) {
        LogDebug(where, "an error, and no memory to describe it");
    }
}

} // namespace kiv
