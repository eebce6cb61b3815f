#pragma once

namespace kiv {

// Held by the running copy of KIV for its whole life, in the user's session.
inline constexpr wchar_t kSingleInstanceMutexName[] = L"Local\\KIV.SingleInstance.6f1c0d52";

} // namespace kiv
