#pragma once

#include "util/ErrorReport.h"

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace kiv::test {

using Texts = std::vector<std::string>;

// Runs a test's hook, when it set one.
inline void RunHook(const std::function<void()>& hook) {
    if (hook) {
        hook();
    }
}

// Records every message instead of showing it.
struct RecordingReporter : IErrorReporter {
    struct Message {
        std::string text;
        std::string title;
    };
    void ShowMessage(std::string_view text, std::string_view title) override {
        messages.push_back({std::string(text), std::string(title)});
        RunHook(whileShown);
    }
    // Every message so far as "title: text"; Take forgets them too.
    std::vector<std::string> Said() const {
        std::vector<std::string> said;
        for (const Message& m : messages) {
            said.push_back(m.title + ": " + m.text);
        }
        return said;
    }
    std::vector<std::string> Take() {
        std::vector<std::string> said = Said();
        messages.clear();
        return said;
    }
    std::vector<Message> messages;
    std::function<void()> whileShown; // what arrives while the message box is open
};

// A fresh directory for one test, removed with everything in it afterwards.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;

    const std::filesystem::path& Path() const { return mPath; }
    std::string File(std::string_view name) const { return (mPath / name).string(); }

private:
    std::filesystem::path mPath;
};

void WriteBytes(const std::string& path, std::string_view bytes);
std::string ReadBytes(const std::string& path);

} // namespace kiv::test
