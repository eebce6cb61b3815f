#pragma once

#include "platform/win32/Win32.h"
#include "util/ErrorReport.h"

#include <cstdint>
#include <string>

namespace kiv::win32 {

// The system's Open and Save As dialogs behind a few properties and Show.
class CFileDialog {
public:
    explicit CFileDialog(IErrorReporter& reporter) : mReporter(reporter) {}

    std::string DefaultExt; // appended when the user types no extension
    std::string DialogTitle;
    std::string FileName;    // the initial name; after Show, the chosen path
    std::string FileTitle;   // after Show, the chosen file's name without its folder
    std::string Filter;      // description|pattern|description|pattern...
    int16_t FilterIndex = 0; // 1-based pair selected at the start
    int32_t Flags = 0;       // OFN_ flags, passed unchanged
    HWND hWndParent = nullptr;
    std::string InitialDir;
    int16_t MaxFileSize = 260; // characters of the name buffers

    // Shows the Open dialog (`open`) or the Save As dialog; true when the
    // user confirmed a file. Cancelled, every property stays as it was.
    bool Show(bool open);

    // The buffer's text up to the first pair of NULs, single NULs shown as
    // blanks; the whole text when there is no such pair.
    static std::string TrimNulls(const std::string& buffer);

private:
    IErrorReporter& mReporter;
};

} // namespace kiv::win32
