#include "dialogs/win32/FileDialog.h"

#include "platform/win32/UniqueHandle.h"

#include <commdlg.h>

#include <algorithm>

namespace kiv::win32 {

namespace {
// Characters of the name buffer, its terminator aside.
constexpr size_t kMaxFileSize = 260;

// `text` in a buffer of kMaxFileSize characters padded with NULs, one more for
// the terminator; Invalid procedure call when the text does not fit.
std::string PaddedBuffer(const std::string& text) {
    if (text.size() > kMaxFileSize) {
        Raise(ErrorNumber::InvalidProcedureCall);
    }
    std::string buffer = text;
    buffer.resize(kMaxFileSize + 1, '\0');
    return buffer;
}

// The buffer's text up to the first pair of NULs, single NULs shown as
// blanks; the whole text when there is no such pair.
std::string TextBeforeNulPair(const std::string& buffer) {
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
// The common dialogs are loaded when a file is chosen, which is seldom: as
// an import they, and the libraries they pull in, would be loaded on every
// start, before KIV can place the player.
using GetOpenFileNameProc = BOOL(WINAPI*)(OPENFILENAMEA*);
} // namespace

bool CFileDialog::Show() {
    bool confirmed = false;
    TrapErrors(mReporter, "Show", [&] {
        // The pairs of the filter separated by NULs, the list ended by two more.
        std::string filter = Filter;
        std::replace(filter.begin(), filter.end(), '|', '\0');
        filter.append(2, '\0');
        std::string file = PaddedBuffer(FileName);

        // The structure of this system's size, so the dialog shows its
        // current look (places bar included).
        OPENFILENAMEA dialog{};
        dialog.lStructSize = sizeof dialog;
        dialog.hwndOwner = hWndParent;
        dialog.lpstrFilter = filter.c_str();
        dialog.lpstrFile = file.data();
        dialog.nMaxFile = static_cast<DWORD>(kMaxFileSize);
        dialog.lpstrTitle = DialogTitle.empty() ? nullptr : DialogTitle.c_str();
        dialog.Flags = Flags;
        UniqueModule library(
            ::LoadLibraryExA("comdlg32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32));
        auto getOpenFileName = reinterpret_cast<GetOpenFileNameProc>(reinterpret_cast<void (*)()>(
            library ? ::GetProcAddress(library.Get(), "GetOpenFileNameA") : nullptr));
        if (getOpenFileName == nullptr) {
            Raise(ErrorNumber::FileNotFound);
        }
        if (!getOpenFileName(&dialog)) {
            return;
        }
        file.resize(kMaxFileSize);
        FileName = TextBeforeNulPair(file);
        confirmed = true;
    });
    return confirmed;
}

} // namespace kiv::win32
