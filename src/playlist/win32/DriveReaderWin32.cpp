#include "playlist/win32/DriveReaderWin32.h"

#include "platform/win32/QuietDriveErrors.h"
#include "platform/win32/UniqueHandle.h"
#include "playlist/DiscSerial.h"
#include "util/win32/PumpingWait.h"

#include <array>
#include <cstring>
#include <memory>
#include <string>
#include <system_error>
#include <thread>

namespace kiv::win32 {

namespace {

// How long a drive may take to name its disc, and how long the usual quick
// answer is waited for before other messages are let in: a read that needs
// no more runs nothing else in the middle of the procedure that asked.
constexpr DWORD kLongestReadMs = 10000;
constexpr DWORD kQuickReadMs = 100;

// One volume read, shared by the waiting thread and the reading one: a read
// that outlasts the wait finishes into it unseen.
struct CVolumeRead {
    std::string root;
    UniqueKernelHandle done{::CreateEventW(nullptr, TRUE, FALSE, nullptr)};
    std::array<char, MAX_PATH + 1> name{};
    DWORD serial = 0;
    bool read = false;

    void Run() noexcept {
        CQuietDriveErrors quiet;
        read = ::GetVolumeInformationA(root.c_str(), name.data(), MAX_PATH, &serial, nullptr,
                                       nullptr, nullptr, 0) != FALSE;
        ::SetEvent(done.Get());
    }
};

} // namespace

DiscIdentity CDriveReaderWin32::ReadDisc(std::string_view drive) {
    auto volume = std::make_shared<CVolumeRead>();
    // The root must end in a backslash; "D:" alone names the drive's current folder.
    volume->root = drive;
    if (volume->root.empty() || volume->root.back() != '\\') {
        volume->root += '\\';
    }
    bool started = false;
    if (volume->done) {
        try {
            std::thread([volume] { volume->Run(); }).detach();
            started = true;
        } catch (const std::system_error&) {
        }
    }
    if (!started) {
        // No thread to be had: this one reads.
        volume->Run();
    } else {
        const HANDLE done = volume->done.Get();
        if (::WaitForSingleObject(done, kQuickReadMs) != WAIT_OBJECT_0 &&
            WaitPumping({&done, 1}, kLongestReadMs - kQuickReadMs) != WAIT_OBJECT_0) {
            return {};
        }
    }
    if (!volume->read) {
        return {};
    }
    return {std::string(volume->name.data(), strnlen(volume->name.data(), volume->name.size())),
            DiscSerialText(volume->serial)};
}

} // namespace kiv::win32
