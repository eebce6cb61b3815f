#pragma once

namespace kiv {

// Held by the running copy of KIV for its whole life, in the user's session.
inline constexpr wchar_t kSingleInstanceMutexName[] = L"Local\\KIV.SingleInstance.6f1c0d52";

// A second copy hands its command line to the running one in a WM_COPYDATA
// message marked with this number, at most this many bytes long.
inline constexpr unsigned long kCommandLineCopyData = 0x4B495653; // "KIVS"
inline constexpr unsigned long kMaxHandedCommandLine = 4096;

} // namespace kiv
