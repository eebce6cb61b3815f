#include "app/MoveRefusalNotice.h"

namespace kiv {

namespace {
constexpr std::string_view kRefusedText =
    " (the window will not move: run KIV as administrator to place it)";
constexpr std::string_view kNoAnswerText = " (the window does not respond)";
} // namespace

std::string CMoveRefusalNotice::WithNotice(const std::string& caption) const {
    switch (mTrouble) {
    case MoveTrouble::Refused:
        return caption + std::string(kRefusedText);
    case MoveTrouble::NoAnswer:
        return caption + std::string(kNoAnswerText);
    case MoveTrouble::None:
        break;
    }
    return caption;
}

void CMoveRefusalNotice::SelectionStarting() {
    mCaption.clear();
    mTrouble = MoveTrouble::None;
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
