#include "app/MoveRefusalNotice.h"

namespace kiv {

namespace {
constexpr std::string_view kRefusedText =
    " (the window will not move: run KIV as administrator to place it)";
} // namespace

void CMoveRefusalNotice::SelectionStarting() {
    mCaption.clear();
    mRefused = false;
}

void CMoveRefusalNotice::ShowCaption(std::string caption) {
    mCaption = std::move(caption);
    mView.SetCaption(mRefused ? mCaption + std::string(kRefusedText) : mCaption);
}

void CMoveRefusalNotice::Placed(bool refused) {
    if (refused == mRefused) {
        return;
    }
    mRefused = refused;
    if (!mCaption.empty()) {
        mView.SetCaption(refused ? mCaption + std::string(kRefusedText) : mCaption);
    }
}

} // namespace kiv
