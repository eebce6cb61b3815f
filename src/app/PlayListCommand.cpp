// The main window's play list command.
#include "app/PlayListCommand.h"

#include "playlist/PlayListWindow.h"

#include <algorithm>

namespace kiv {

namespace {
// Turns the main window's automatic DVD handling off for a scope and puts
// the options back as they were on every way out (in memory only).
class CAutoDvdHandlingPaused {
public:
    explicit CAutoDvdHandlingPaused(COptions& options)
        : mOptions(options), mAutoSelect(options.PlayListAutoSelect),
          mAutoAdd(options.PlayListAutoAdd) {
        mOptions.PlayListAutoSelect = false;
        mOptions.PlayListAutoAdd = false;
    }
    ~CAutoDvdHandlingPaused() {
        mOptions.PlayListAutoSelect = mAutoSelect;
        mOptions.PlayListAutoAdd = mAutoAdd;
    }
    CAutoDvdHandlingPaused(const CAutoDvdHandlingPaused&) = delete;
    CAutoDvdHandlingPaused& operator=(const CAutoDvdHandlingPaused&) = delete;

    bool AutoAdd() const noexcept { return mAutoAdd; }

private:
    COptions& mOptions;
    bool mAutoSelect;
    bool mAutoAdd;
};
} // namespace

void CPlayListCommand::HandlePlayListClick() {
    TrapErrors(mReporter, "HandlePlayListClick", [&] {
        CAutoDvdHandlingPaused paused(mOptions);

        std::vector<std::string> names;
        names.reserve(static_cast<size_t>(std::max(mSelection.ListCount(), 0)));
        for (int32_t i = 0; i < mSelection.ListCount(); ++i) {
            names.push_back(mSelection.ListText(i));
        }
        CPlayListWindow window(
            {mPlayList, mOptions.Drive + ":", std::move(names), mDriveReader, mArrival, mReporter});
        window.AutoAdd = paused.AutoAdd();

        const bool chosen = mDialogs.ShowPlayList(window);
        if (chosen) {
            mSelection.Settings().LocateItem(window.CurrentSetting(), mSelection);
            mSelection.AdjustWindow();
        }
        window.Form_Unload();
    });
}

} // namespace kiv
