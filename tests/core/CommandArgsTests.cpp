#include "store/CommandArgs.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace kiv {
namespace {

using test::RecordingReporter;

struct Parsed {
    RecordingReporter reporter;
    CCommandArgs args{reporter};
    explicit Parsed(std::string commandLine, std::string delim = "/") {
        args.TestString = std::move(commandLine);
        args.Delim = std::move(delim);
        args.Parse();
    }
};

TEST(CommandArgs, ValuesByKeyOrPosition) {
    const struct {
        const char* commandLine;
        const char* delim;
        int32_t count;
        const char* index;
        const char* value;
    } cases[] = {
        {"kiv.exe ignored /S  My Setting  /R", "/", 2, "s", "My Setting"},
        {"/S Wide/Tall", "/", 2, "S", "Wide"},
        {"/S First /s Second", "/", 2, "S", "First"},
        {"/R Yes /X", "/", 2, "x", "X"}, // a bare flag: its key
        {"/S \"Player Letterbox\" /R", "/", 2, "S", "Player Letterbox"},
        {"/S Say \"Hi\" Now", "/", 1, "S", "Say \"Hi\" Now"},
        {"/ \"\" /R", "/", 1, "1", "R"}, // empty quotes alone are no argument
        {"--s Wide --R", "--", 2, "S", "Wide"},
        {"xS one", "x", 1, "S", "one"},
        {"/S x", "", 0, "S", ""},
        {"", "/", 0, "S", ""},
        {"/A one /B two", "/", 2, " 2 ", "two"},
        {"/A one /B two", "/", 2, "1.5", "two"}, // rounds half to even: 2
        {"/A one /B two", "/", 2, "0", ""},
        {"/A one /B two", "/", 2, "1e300", ""},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << "'" << c.commandLine << "' [" << c.index << "]");
        Parsed p(c.commandLine, c.delim);
        EXPECT_EQ(p.args.Count(), c.count);
        EXPECT_EQ(p.args.Item(c.index), c.value);
    }
    Parsed again("/A 1 /B 2");
    again.args.TestString = "/C 3";
    again.args.Parse(); // starts afresh
    EXPECT_EQ(again.args.Item("1"), "3");
    EXPECT_THROW(again.args.Key(2), CRuntimeError);
}

TEST(CommandArgs, ArgumentsFollowTheProgramName) {
    const std::pair<const char*, const char*> cases[] = {
        {"kiv.exe /S Wide", "/S Wide"},
        {"\"C:\\Program Files\\KIV\\kiv.exe\"   /R", "/R"},
        {"\"C:\\a b\\kiv.exe\"", ""},
        {"kiv.exe", ""},
        {"", ""},
        {"\"unterminated /S x", ""},
    };
    for (const auto& [commandLine, arguments] : cases) {
        EXPECT_EQ(CommandLineArguments(commandLine), arguments) << commandLine;
    }
}

} // namespace
} // namespace kiv
