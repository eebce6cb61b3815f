#pragma once

#include <deque>
#include <functional>
#include <optional>
#include <utility>

namespace kiv {

// Commands of which only the latest waiting one matters: a later disc or
// hand-over replaces one that has not run yet.
enum class LatestOnly { DiscArrival, SecondCopy, ScreenChange };

// One command at a time. Whatever runs messages while it works (a modal
// window, a message box, the wait for the size hook) lets other commands
// arrive: they wait here and run in order once the running work has returned,
// never nested inside it, so no command finds the selection changed under it.
class CCommandQueue {
public:
    using Command = std::function<void()>;

    // `cancelModalWindows` closes every modal window open, as Cancel would.
    explicit CCommandQueue(Command cancelModalWindows)
        : mCancelModalWindows(std::move(cancelModalWindows)) {}

    // Runs `command` now when nothing runs, else once the running work returns.
    void Run(Command command);
    void RunLatest(LatestOnly kind, Command command);
    // Runs `work` now, whatever runs (a timer tick, start-up, one message);
    // commands arriving meanwhile wait for it.
    void Hold(const Command& work);
    // Ends the program with `exit`: now when nothing runs; otherwise the modal
    // windows close, waiting commands are dropped and `exit` runs as soon as
    // the running work has returned, so none of it runs after shutdown.
    void Exit(Command exit);

private:
    struct Waiting {
        std::optional<LatestOnly> kind;
        Command command;
    };
    void Enqueue(std::optional<LatestOnly> kind, Command command);
    void Execute(const Command& command);
    void RunWaiting();

    Command mCancelModalWindows;
    std::deque<Waiting> mWaiting;
    int mDepth = 0;
    bool mExiting = false;
    Command mExit;
};

} // namespace kiv
