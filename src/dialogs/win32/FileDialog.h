#pragma once

#include "platform/win32/Win32.h"
#include "util/ErrorReport.h"

#include <string>

namespace kiv::win32 {

// The system's Open dialog behind a few properties and Show.
class CFileDialog {
public:
    explicit CFileDialog(IErrorReporter& reporter) : mReporter(reporter) {}

    std::string DialogTitle;
    std::string FileName; // the initial name; after Show, the chosen path
    std::string Filter;   // description|pattern|description|pattern...
    DWORD Flags = 0;      // OFN_ flags, passed unchanged
    HWND hWndParent = nullptr;

    // Shows the Open dialog; true when the user confirmed a file. Cancelled,
    // every property stays as it was.
    bool Show();

private:
    IErrorReporter& mReporter;
};

} // namespace kiv::win32
