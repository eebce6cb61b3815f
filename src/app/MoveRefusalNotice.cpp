#include "app/MoveRefusalNotice.h"

namespace kiv {

namespace {
constexpr std::string_view kRefusedText =
    " (the window will not move: run KIV as administrator to place it)";
constexpr std::string_view kNoAnswerText = " (the window does not respond)";
constexpr std::string_view kNoDisplayText = " (no display shows this position: switched off?)";
} // namespace

std::string CMoveRefusalNotice::WithNotice(const std::string& caption) const {
    std::string text = caption;
    switch (mTrouble) {
    case MoveTrouble::Refused:
        text += kRefusedText;
        break;
    case MoveTrouble::NoAnswer:
        text += kNoAnswerText;
        break;
    case MoveTrouble::NoDisplay:
        text += kNoDisplayText;
        break;
    case MoveTrouble::None:
        break;
    }
    if (!mMissingFile.empty()) {
        text += " (32-bit players cannot grow beyond the screen: " + mMissingFile + " is missing)";
    }
    return text;
}

void CMoveRefusalNotice::SelectionStarting() {
    mCaption.clear();
    mTrouble = MoveTrouble::None;
    mMissingFile.clear();
}

void CMoveRefusalNotice::HookInstalled(const std::string& missingFile) {
    if (missingFile == mMissingFile) {
        return;
    }
    mMissingFile = missingFile;
    if (!mCaption.empty()) {
        mView.SetCaption(WithNotice(mCaption));
    }
}

void CMoveRefusalNotice::ShowCaption(std::string caption) {
    mCaption = std::move(caption);
    mView.SetCaption(WithNotice(mCaption));
}

void CMoveRefusalNotice::Placed(MoveTrouble trouble) {
    if (trouble == mTrouble) {
        return;
    }
    mTrouble = trouble;
    if (!mCaption.empty()) {
        mView.SetCaption(WithNotice(mCaption));
    }
}

} // namespace kiv
