#include "dialogs/win32/FileDialog.h"

#include <commdlg.h>

#include <algorithm>

namespace kiv::win32 {

namespace {
// `text` in a buffer of `size` characters padded with NULs, one more for the
// terminator; Invalid procedure call when the text does not fit.
std::string PaddedBuffer(const std::string& text, int16_t size) {
    if (size <= 0 || text.size() > static_cast<size_t>(size)) {
        Raise(ErrorNumber::InvalidProcedureCall);
    }
    std::string buffer = text;
    buffer.resize(static_cast<size_t>(size) + 1, '\0');
    return buffer;
}
} // namespace

std::string CFileDialog::TrimNulls(const std::string& buffer) {
    // A pair whose second NUL is the text's last character does not count.
    for (size_t i = 0; i + 2 < buffer.size(); ++i) {
        if (buffer[i] == '\0' && buffer[i + 1] == '\0') {
            std::string text = buffer.substr(0, i);
            std::replace(text.begin(), text.end(), '\0', ' ');
            return text;
        }
    }
    return buffer;
}

bool CFileDialog::Show(bool open) {
    bool confirmed = false;
    TrapErrors(mReporter, "Show", [&] {
        // The pairs of the filter separated by NULs, the list ended by two more.
        std::string filter = Filter;
        std::replace(filter.begin(), filter.end(), '|', '\0');
        filter.append(2, '\0');
        std::string file = PaddedBuffer(FileName, MaxFileSize);
        std::string title = PaddedBuffer(FileTitle, MaxFileSize);

        // The structure of this system's size, so the dialog shows its
        // current look (places bar included).
        OPENFILENAMEA dialog{};
        dialog.lStructSize = sizeof dialog;
        dialog.hwndOwner = hWndParent;
        dialog.lpstrFilter = filter.c_str();
        dialog.nFilterIndex = static_cast<DWORD>(std::max<int16_t>(FilterIndex, 0));
        dialog.lpstrFile = file.data();
        dialog.nMaxFile = static_cast<DWORD>(MaxFileSize);
        dialog.lpstrFileTitle = title.data();
        dialog.nMaxFileTitle = static_cast<DWORD>(MaxFileSize);
        dialog.lpstrInitialDir = InitialDir.empty() ? nullptr : InitialDir.c_str();
        dialog.lpstrTitle = DialogTitle.empty() ? nullptr : DialogTitle.c_str();
        dialog.Flags = static_cast<DWORD>(Flags);
        dialog.lpstrDefExt = DefaultExt.empty() ? nullptr : DefaultExt.c_str();
        if (!(open ? ::GetOpenFileNameA(&dialog) : ::GetSaveFileNameA(&dialog))) {
            return;
        }
        file.resize(static_cast<size_t>(MaxFileSize));
        title.resize(static_cast<size_t>(MaxFileSize));
        FileName = TrimNulls(file);
        FileTitle = TrimNulls(title);
        confirmed = true;
    });
    return confirmed;
}

} // namespace kiv::win32
