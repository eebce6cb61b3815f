#include "store/CommandArgs.h"

#include "util/Numbers.h"
#include "util/Strings.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace kiv {

std::string CommandLineArguments(std::string_view commandLine) {
    size_t end = 0;
    if (!commandLine.empty() && commandLine.front() == '"') {
        size_t close = commandLine.find('"', 1);
        end = close == std::string_view::npos ? commandLine.size() : close + 1;
    } else {
        end = std::min(commandLine.find_first_of(" \t"), commandLine.size());
    }
    std::string_view rest = commandLine.substr(end);
    size_t first = rest.find_first_not_of(" \t");
    return first == std::string_view::npos ? std::string() : std::string(rest.substr(first));
}

void CCommandArgs::Parse() {
    TrapErrors(*mReporter, "Parse", [&] {
        if (Delim.empty() || TestString.empty()) {
            return;
        }
        mArguments.clear();
        std::string_view text = TestString;
        size_t start = FindIgnoreCase(text, Delim, 0);
        while (start != std::string_view::npos) {
            size_t next = FindIgnoreCase(text, Delim, start + Delim.size());
            std::string_view token = text.substr(
                start, next == std::string_view::npos ? std::string_view::npos : next - start);
            std::string_view body = token.substr(Delim.size());
            if (!TrimSpaces(body).empty()) {
                if (mArguments.size() == std::numeric_limits<int16_t>::max()) {
                    Raise(ErrorNumber::Overflow);
                }
                size_t blank = body.find(' ');
                std::string key = TrimSpaces(body.substr(0, blank));
                std::string value = blank == std::string_view::npos
                                        ? std::string()
                                        : TrimSpaces(body.substr(blank + 1));
                // Shells quote a value with blanks in it; the quotes are not part of it.
                if (value.size() >= 2 && value.front() == '"' && value.back() == '"') {
                    value = TrimSpaces(std::string_view(value).substr(1, value.size() - 2));
                }
                if (value.empty()) {
                    value = key;
                }
                if (!value.empty()) {
                    mArguments.emplace_back(std::move(key), std::move(value));
                }
            }
            start = next;
        }
    });
}

const std::pair<std::string, std::string>& CCommandArgs::Argument(int32_t n) const {
    if (n < 1 || n > Count()) {
        Raise(ErrorNumber::SubscriptOutOfRange);
    }
    return mArguments[static_cast<size_t>(n) - 1];
}

std::string CCommandArgs::Key(int32_t n) const {
    return Argument(n).first;
}

std::string CCommandArgs::Value(int32_t n) const {
    return Argument(n).second;
}

std::string CCommandArgs::Item(std::string_view index) const {
    std::string result;
    TrapErrors(*mReporter, "Item", [&] {
        if (std::optional<double> number = ParseNumeric(index)) {
            double position = RoundHalfEven(*number);
            if (position >= 1 && position <= Count()) {
                result = mArguments[static_cast<size_t>(position) - 1].second;
            }
            return;
        }
        for (const auto& [key, value] : mArguments) {
            if (EqualsIgnoreCase(key, index)) {
                result = value;
                return;
            }
        }
    });
    return result;
}

CCommandArgs ParsedArguments(IErrorReporter& reporter, std::string_view arguments) {
    CCommandArgs args(reporter);
    args.TestString = arguments;
    args.Delim = "/";
    args.Parse();
    return args;
}

} // namespace kiv
