#pragma once

#include "app/MainView.h"
#include "placement/WindowPlacement.h"

#include <string>

namespace kiv {

// Says in the main window's caption that the selected setting's window would
// not move (a player running with more rights than KIV's) or did not answer
// (a player stopped or busy), once per selection: the lock watchdog, a hot
// key or orbiting that place the same window again add nothing, and a later
// placement that works takes it back. Says too when the window could not get
// the window-size hook for want of a support file (the 32-bit helpers).
class CMoveRefusalNotice {
public:
    explicit CMoveRefusalNotice(IMainView& view) : mView(view) {}

    // A selection begins: its placement is remembered until its caption is shown.
    void SelectionStarting();
    // The selection's caption, with the notice when its placement was refused.
    void ShowCaption(std::string caption);
    // A placement ended.
    void Placed(CWindowPlacement::MoveTrouble trouble);
    // The window-size hook was installed, or not for want of `missingFile`
    // ("" when nothing was missing).
    void HookInstalled(const std::string& missingFile);

private:
    using MoveTrouble = CWindowPlacement::MoveTrouble;
    std::string WithNotice(const std::string& caption) const;

    IMainView& mView;
    std::string mCaption; // "" while a selection has shown none
    MoveTrouble mTrouble = MoveTrouble::None;
    std::string mMissingFile;
};

} // namespace kiv
