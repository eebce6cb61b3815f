#pragma once

#include "app/FeatureSeams.h"
#include "app/MainView.h"
#include "app/Selection.h"
#include "hotkeys/HotKeyDispatch.h"
#include "platform/Desktop.h"

namespace kiv {

// The hot keys' actions, each done as the main window's own controls do it.
class CHotKeyActions : public IHotKeyActions {
public:
    struct Features {
        IPositionButtons& position;
        ISettingCommandSet& commands;
        IStripFollower& blanking;
    };
    CHotKeyActions(const Features& features, ISelection& selection, IMainView& mainView,
                   IDesktop& desktop)
        : mPosition(features.position), mCommands(features.commands), mBlanking(features.blanking),
          mSelection(selection), mMainView(mainView), mDesktop(desktop) {}

    void SelectSettingAndPlace(std::string_view name) override;
    void PressNudge(int32_t index) override;
    void CaptureAndSave() override;
    void ReapplyCurrentSetting() override;
    void FocusApplication() override;
    void FocusKiv() override;

private:
    IPositionButtons& mPosition;
    ISettingCommandSet& mCommands;
    IStripFollower& mBlanking;
    ISelection& mSelection;
    IMainView& mMainView;
    IDesktop& mDesktop;
};

} // namespace kiv
