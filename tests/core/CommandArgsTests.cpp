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

TEST(CommandArgs, SplitsKeysAndValuesAtTheDelimiter) {
    Parsed p("kiv.exe ignored /S  My Setting  /R");
    ASSERT_EQ(p.args.Count(), 2);
    EXPECT_EQ(p.args.Key(1), "S");
    EXPECT_EQ(p.args.Value(1), "My Setting");
    EXPECT_EQ(p.args.Key(2), "R");
    EXPECT_EQ(p.args.Value(2), "R"); // a bare flag's value is its key
    EXPECT_EQ(p.args.Item("s"), "My Setting");
    EXPECT_EQ(p.args.Item("r"), "R");
    EXPECT_EQ(p.args.Item("X"), "");
    EXPECT_TRUE(p.reporter.messages.empty());
}

TEST(CommandArgs, ValuesCannotHoldTheDelimiterAndFirstKeyWins) {
    Parsed wide("/S Wide/Tall");
    ASSERT_EQ(wide.args.Count(), 2);
    EXPECT_EQ(wide.args.Item("S"), "Wide");
    EXPECT_EQ(wide.args.Item("Tall"), "Tall");

    Parsed twice("/S First /s Second");
    EXPECT_EQ(twice.args.Item("S"), "First");

    Parsed alone("/S");
    EXPECT_EQ(alone.args.Item("S"), "S");

    Parsed yes("/R Yes");
    EXPECT_EQ(yes.args.Item("R"), "Yes");
}

TEST(CommandArgs, QuotesAroundAValueAreDropped) {
    Parsed quoted("/S \"Player Letterbox\" /R");
    EXPECT_EQ(quoted.args.Item("S"), "Player Letterbox");
    EXPECT_EQ(quoted.args.Item("R"), "R");
    Parsed inner("/S Say \"Hi\" Now");
    EXPECT_EQ(inner.args.Item("S"), "Say \"Hi\" Now");
    Parsed lone("/S \"");
    EXPECT_EQ(lone.args.Item("S"), "\"");
    // Nothing but empty quotes after a bare delimiter is no argument at all.
    Parsed empty("/ \"\" /R");
    ASSERT_EQ(empty.args.Count(), 1);
    EXPECT_EQ(empty.args.Key(1), "R");
}

TEST(CommandArgs, NumericIndexIsAPosition) {
    Parsed p("/A one /B two");
    EXPECT_EQ(p.args.Item("1"), "one");
    EXPECT_EQ(p.args.Item(" 2 "), "two");
    EXPECT_EQ(p.args.Item("1.5"), "two"); // rounds half to even: 2
    EXPECT_EQ(p.args.Item("0"), "");
    EXPECT_EQ(p.args.Item("3"), "");
    EXPECT_EQ(p.args.Item("1e300"), "");
    EXPECT_THROW(p.args.Key(3), CRuntimeError);
}

TEST(CommandArgs, EmptyInputsAndDegenerateTokens) {
    Parsed none("");
    EXPECT_EQ(none.args.Count(), 0);
    EXPECT_EQ(none.args.Item("S"), "");
    Parsed noDelim("/S x", "");
    EXPECT_EQ(noDelim.args.Count(), 0);
    Parsed slashes("// /  /R");
    ASSERT_EQ(slashes.args.Count(), 1);
    EXPECT_EQ(slashes.args.Key(1), "R");
    Parsed multi("--s Wide --R", "--");
    EXPECT_EQ(multi.args.Item("S"), "Wide");
    EXPECT_EQ(multi.args.Item("r"), "R");
    Parsed caseless("xS one", "x");
    EXPECT_EQ(caseless.args.Item("S"), "one");
}

TEST(CommandArgs, ParseStartsAfresh) {
    RecordingReporter reporter;
    CCommandArgs args(reporter);
    args.Delim = "/";
    args.TestString = "/A 1 /B 2";
    args.Parse();
    args.TestString = "/C 3";
    args.Parse();
    ASSERT_EQ(args.Count(), 1);
    EXPECT_EQ(args.Item("A"), "");
    EXPECT_EQ(args.Item("C"), "3");
}

TEST(CommandArgs, ArgumentsFollowTheProgramName) {
    EXPECT_EQ(CommandLineArguments("kiv.exe /S Wide"), "/S Wide");
    EXPECT_EQ(CommandLineArguments("\"C:\\Program Files\\KIV\\kiv.exe\"   /R"), "/R");
    EXPECT_EQ(CommandLineArguments("\"C:\\a b\\kiv.exe\""), "");
    EXPECT_EQ(CommandLineArguments("kiv.exe"), "");
    EXPECT_EQ(CommandLineArguments(""), "");
    EXPECT_EQ(CommandLineArguments("\"unterminated /S x"), "");
}

} // namespace
} // namespace kiv
