#include "app/CommandQueue.h"
#include "util/ErrorReport.h"

#include <utility>

namespace kiv {

void CCommandQueue::Run(Command command) {
    Enqueue(std::nullopt, std::move(command));
}

void CCommandQueue::RunLatest(LatestOnly kind, Command command) {
    Enqueue(kind, std::move(command));
}

void CCommandQueue::Enqueue(std::optional<LatestOnly> kind, Command command) {
    if (mExiting) {
        return;
    }
    if (kind) {
        std::erase_if(mWaiting, [&](const Waiting& waiting) { return waiting.kind == kind; });
    }
    mWaiting.push_back({kind, std::move(command)});
    RunWaiting();
}

void CCommandQueue::Hold(const Command& work) {
    Execute(work);
    RunWaiting();
}

void CCommandQueue::Exit(Command exit) {
    const bool busy = mDepth > 0;
    mExiting = true;
    mWaiting.clear();
    mExit = std::move(exit);
    if (busy) {
        mCancelModalWindows();
    }
    RunWaiting();
}

void CCommandQueue::Execute(const Command& command) {
    ++mDepth;
    try {
        command();
    } catch (...) {
        // Each command reports its own failures; the next one runs all the same.
        LogCurrentError("CCommandQueue");
    }
    --mDepth;
}

void CCommandQueue::RunWaiting() {
    while (mDepth == 0 && !mWaiting.empty()) {
        Command next = std::move(mWaiting.front().command);
        mWaiting.pop_front();
        Execute(next);
    }
    if (mDepth == 0 && mExit) {
        Execute(std::exchange(mExit, nullptr));
    }
}

} // namespace kiv
