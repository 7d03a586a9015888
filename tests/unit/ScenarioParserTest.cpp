// The scenario language as scripts are written against it: the TEXT quoting
// rules, the lines that are skipped, the rows of `expect db`, and the
// messages for malformed lines.

#include <gtest/gtest.h>

#include "tools/script/ResourceNames.h"
#include "tools/script/ScenarioParser.h"
#include "tools/script/TextArgument.h"

namespace {

CString Decoded(std::string_view rest) {
    CString text;
    std::string error;
    EXPECT_TRUE(TextArgument::Decode(rest, text, error)) << error;
    return text;
}

std::string DecodeError(std::string_view rest) {
    CString text;
    std::string error;
    EXPECT_FALSE(TextArgument::Decode(rest, text, error));
    return error;
}

std::vector<ScenarioCommand> Parsed(std::string_view script) {
    ScenarioParser parser;
    std::vector<ScenarioCommand> commands;
    EXPECT_TRUE(parser.Parse(script, commands)) << parser.Error();
    return commands;
}

std::string ParseError(std::string_view script) {
    ScenarioParser parser;
    std::vector<ScenarioCommand> commands;
    EXPECT_FALSE(parser.Parse(script, commands));
    return parser.Error();
}

} // namespace

TEST(ScenarioTextTest, QuotedTextsKeepBlanksAndDecodeEveryEscape) {
    EXPECT_EQ(Decoded("\"\""), CString());
    EXPECT_EQ(Decoded("\"  과일 \""), CString(u"  과일 "));
    EXPECT_EQ(Decoded(R"("a\"b\\c\td\ne")"), CString(u"a\"b\\c\td\ne"));
    EXPECT_EQ(Decoded(R"("\uAE30본\u0041")"), CString(u"기본A"));
    // Two escapes of one character beyond the 16-bit range.
    EXPECT_EQ(Decoded(R"("\uD83D\uDE00")"), CString(u"\U0001F600"));
    // An escaped backslash does not hide the quote after it.
    EXPECT_EQ(Decoded(R"("ends in \\")"), CString(u"ends in \\"));
    EXPECT_EQ(Decoded("\"x\"   "), CString(u"x"));
}

TEST(ScenarioTextTest, UnquotedTextIsTheRestWithoutTrailingWhiteSpace) {
    EXPECT_EQ(Decoded("저장완료 \t "), CString(u"저장완료"));
    EXPECT_EQ(Decoded(""), CString());
    EXPECT_EQ(Decoded("a \"b\" \\n"), CString(u"a \"b\" \\n"));
    // The blank that separates it is gone already; a second one is text.
    EXPECT_EQ(Decoded(" x"), CString(u" x"));
}

TEST(ScenarioTextTest, MalformedQuotedTextsAreRefused) {
    EXPECT_EQ(DecodeError("\"open"), "the quoted text has no closing quote");
    EXPECT_EQ(DecodeError(R"("open\")"), "the quoted text has no closing quote");
    EXPECT_EQ(DecodeError(R"("open\)"), "the quoted text has no closing quote");
    EXPECT_NE(DecodeError(R"("\x")").find("unknown escape \\x"), std::string::npos);
    EXPECT_EQ(DecodeError(R"("\u12G4")"), "\\u takes four hexadecimal digits");
    EXPECT_EQ(DecodeError(R"("\u12")"), "\\u takes four hexadecimal digits");
    EXPECT_EQ(DecodeError("\"a\" b"), "the text goes on after its closing quote");
}

TEST(ScenarioTextTest, BoxPartsSplitAtBarsOutsideQuotes) {
    std::vector<std::string_view> parts;
    std::string error;
    ASSERT_TRUE(TextArgument::SplitAtBars(R"(확인 |  "a | b\"|" |yesno| question )", parts, error));
    ASSERT_EQ(parts.size(), 4u);
    EXPECT_EQ(parts[0], "확인");
    EXPECT_EQ(parts[1], R"("a | b\"|")");
    EXPECT_EQ(parts[2], "yesno");
    EXPECT_EQ(parts[3], "question");
    // A quote inside an unquoted part is an ordinary character.
    ASSERT_TRUE(TextArgument::SplitAtBars(R"(a"b | c)", parts, error));
    EXPECT_EQ(parts[0], "a\"b");
    EXPECT_FALSE(TextArgument::SplitAtBars(R"(a | "b | c)", parts, error));
}

TEST(ScenarioParserTest, SkipsBlankAndCommentLinesAndKeepsLineNumbers) {
    auto commands = Parsed("\xEF\xBB\xBF# a scenario\r\n\r\n   # indented comment\n  start\r\n\tclick 1005\n");
    ASSERT_EQ(commands.size(), 2u);
    EXPECT_EQ(commands[0].kind, CommandKind::Start);
    EXPECT_EQ(commands[0].line, 4);
    EXPECT_EQ(commands[1].kind, CommandKind::Click);
    EXPECT_EQ(commands[1].id, 1005);
    EXPECT_EQ(commands[1].line, 5);
    EXPECT_EQ(commands[1].label, "click 1005");
}

TEST(ScenarioParserTest, ReadsTheArgumentsOfEachForm) {
    auto commands = Parsed(
        "type 1044 \"  x\"\n"
        "choose 1027 #2\n"
        "choose 1027 \"#2\"\n"
        "tap 1042 -1\n"
        "expect row 1042 0 과일|1|\n"
        "expect dialog none\n"
        "answer cancel\n"
        "date 1070 2024-02-29\n"
        "expect box 확인 | \"삭제\\n할까요?\" | yesnocancel | question\n");
    ASSERT_EQ(commands.size(), 9u);
    EXPECT_EQ(commands[0].text, CString(u"  x"));
    EXPECT_TRUE(commands[1].byIndex);
    EXPECT_EQ(commands[1].number, 2);
    EXPECT_FALSE(commands[2].byIndex);
    EXPECT_EQ(commands[2].text, CString(u"#2"));
    EXPECT_EQ(commands[3].number, -1);
    EXPECT_EQ(commands[4].label, "expect row 1042 0");
    EXPECT_EQ(commands[4].text, CString(u"과일|1|"));
    EXPECT_EQ(commands[5].id, -1);
    EXPECT_EQ(commands[6].number, IDCANCEL);
    EXPECT_EQ(commands[7].date.wMonth, 2);
    EXPECT_EQ(commands[7].date.wDay, 29);
    EXPECT_EQ(commands[8].caption, CString(u"확인"));
    EXPECT_EQ(commands[8].text, CString(u"삭제\n할까요?"));
    EXPECT_EQ(commands[8].buttons, "yesnocancel");
}

TEST(ScenarioParserTest, ControlsAndTemplatesMayBeNamedAsInTheResourceHeader) {
    auto commands = Parsed("expect dialog IDD_PLAN\ntype IDC_SI_EDIT_PRICE 1200\nclick IDC_PL_BTN_SAVE\n");
    ASSERT_EQ(commands.size(), 3u);
    EXPECT_EQ(commands[0].id, 129);
    // A control's name waits for the dialog in front: one number means
    // different controls in different dialogs.
    EXPECT_EQ(commands[1].controlName, "IDC_SI_EDIT_PRICE");
    EXPECT_EQ(commands[1].text, CString(u"1200"));
    EXPECT_EQ(commands[1].label, "type IDC_SI_EDIT_PRICE");
    EXPECT_EQ(commands[2].controlName, "IDC_PL_BTN_SAVE");
    EXPECT_EQ(ResourceNames::ControlNumber("IDC_PL_BTN_SAVE", 129), 1010);
    EXPECT_EQ(ResourceNames::ControlNumber("IDC_PL_BTN_SAVE", 134), std::nullopt);
    EXPECT_EQ(ResourceNames::OwnerOf("IDC_PL_BTN_SAVE"), 129);

    EXPECT_EQ(ParseError("click IDC_NO_SUCH"),
              "line 1: click: expected a control id, found \"IDC_NO_SUCH\", the name of no control");
    EXPECT_EQ(ParseError("click IDD_PLAN"),
              "line 1: click: expected a control id, found \"IDD_PLAN\", the name of no control");
    EXPECT_EQ(ParseError("expect dialog IDC_PL_BTN_SAVE"),
              "line 1: expect dialog: expected a dialog template, found \"IDC_PL_BTN_SAVE\", the name of no template");
}

TEST(ScenarioParserTest, ExpectDbTakesTheBarLinesThatFollow) {
    // A bar without its blank ends the rows, and is then no command at all.
    EXPECT_EQ(ParseError("expect db select 1\n| a\n|b\n"), "line 3: unknown command \"|b\"");
    auto rows = Parsed("expect db select 1\n| a| b \n| \n\nexpect db select 2\nexpect no box\n");
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_EQ(rows[0].statement, "select 1");
    EXPECT_EQ(rows[0].rows, (std::vector<std::string>{"a| b ", ""}));
    EXPECT_TRUE(rows[1].rows.empty());
    EXPECT_EQ(rows[2].kind, CommandKind::ExpectNoBox);
}

TEST(ScenarioParserTest, MalformedLinesAreNamedWithWhatWasExpected) {
    EXPECT_EQ(ParseError("start\nclik 1005\n"), "line 2: unknown command \"clik\"");
    EXPECT_EQ(ParseError("expect titel x"), "line 1: unknown command \"expect titel\"");
    EXPECT_EQ(ParseError("click abc"), "line 1: click: expected a control id, found \"abc\"");
    EXPECT_EQ(ParseError("click  1005"),
              "line 1: click: expected a control id, found a second blank (arguments are separated by one blank)");
    EXPECT_EQ(ParseError("click"), "line 1: click: expected a control id, found nothing");
    EXPECT_EQ(ParseError("ok now"), "line 1: ok: expected the end of the line, found \"now\"");
    EXPECT_EQ(ParseError("expect row 1042 -1 x"), "line 1: expect row 1042: expected a row, found \"-1\"");
    EXPECT_EQ(ParseError("today 2023-02-29"), "line 1: today: expected a date YYYY-MM-DD, found \"2023-02-29\"");
    EXPECT_EQ(ParseError("today 2024-3-15"), "line 1: today: expected a date YYYY-MM-DD, found \"2024-3-15\"");
    EXPECT_EQ(ParseError("answer maybe"), "line 1: answer: expected yes, no, cancel or ok, found \"maybe\"");
    EXPECT_EQ(ParseError("sql   "), "line 1: sql: expected an SQL statement, found nothing");
    EXPECT_EQ(ParseError("expect text 1044 \"open"), "line 1: expect text 1044: the quoted text has no closing quote");
    EXPECT_EQ(ParseError("expect box a | b | ok"),
              "line 1: expect box: expected CAPTION | TEXT | BUTTONS | ICON, found 3 parts");
    EXPECT_EQ(ParseError("expect box a | b | yes | none"),
              "line 1: expect box: expected the buttons ok, yesno or yesnocancel, found \"yes\"");
    EXPECT_EQ(ParseError("expect dialog main"),
              "line 1: expect dialog: expected a dialog template number or none, found \"main\"");
    EXPECT_EQ(ParseError("start\nexpect title \xFF\n"), "line 2: expected UTF-8 text, found other bytes");
}
