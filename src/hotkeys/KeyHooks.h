#pragma once

#include "hotkeys/HotKeyTable.h"
#include "platform/Desktop.h"
#include "platform/SupportLibraries.h"
#include "util/ErrorReport.h"

namespace kiv {

// The one place that talks to the keyboard library: builds the hot key table
// from the settings and options and switches the key, media and mouse hooks
// and the DVD-ROM content suppression.
class CKeyHooks {
public:
    CKeyHooks(IKeyboardLibrary& library, IDesktop& desktop, IErrorReporter& reporter)
        : mLibrary(library), mDesktop(desktop), mReporter(reporter) {}

    // Builds the table and starts the key hook for `window`; with no hot keys
    // the library is not called. A hot key text that does not convert is
    // reported titled "SetKeyHookOn" and leaves the hook off.
    void SetKeyHookOn(WindowHandle window, const CWindowSettings& settings,
                      const COptions& options);
    // Clears the table and stops the key hook. Raises File not found when the
    // library is missing; every other failure is ignored.
    void SetKeyHookOff();
    // Hands a running key hook the table built anew, in one call, so that no
    // key pressed meanwhile falls between an off and an on. False when the
    // library was not given a table (no hot keys, a text that does not
    // convert, reported as SetKeyHookOn does): the caller then switches the
    // hook off.
    bool RenewKeyHook(WindowHandle window, const CWindowSettings& settings,
                      const COptions& options);

    void SetMediaHookOn(WindowHandle window) { mLibrary.SetMediaHook(window); }
    void SetMediaHookOff() noexcept;
    // Hides the pointer over the window `windowClass` finds, if any.
    void StartMouseHook(std::string_view windowClass);
    void StopMouseHook() noexcept;
    void DisableDVDRomContent(bool disable);

    std::string HotKeyActionName(int64_t index) const { return mTable.HotKeyActionName(index); }
    const CHotKeyTable& Table() const noexcept { return mTable; }

private:
    IKeyboardLibrary& mLibrary;
    IDesktop& mDesktop;
    IErrorReporter& mReporter;
    CHotKeyTable mTable;
};

} // namespace kiv
