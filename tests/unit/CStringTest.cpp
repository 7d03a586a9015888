#include <cmath>
#include <climits>

#include <gtest/gtest.h>

#include "platform/framework/CString.h"

namespace {

std::string Utf8(const CString& s) { return s.ToUtf8(); }

TEST(CStringFormat, FormsThatTheDialogsUse) {
    EXPECT_EQ(Utf8(CString::Formatted(u"%d", -42)), "-42");
    EXPECT_EQ(Utf8(CString::Formatted(u"%hd", -5)), "-5");
    EXPECT_EQ(Utf8(CString::Formatted(u"%hd", 70000)), "4464");  // narrowed to 16 bits as the device does
    EXPECT_EQ(Utf8(CString::Formatted(u"%.4d-%.2d-%.2d", 2003, 3, 5)), "2003-03-05");
    EXPECT_EQ(Utf8(CString::Formatted(u"%.4d년%.2d월", 2024, 3)), "2024년03월");
    EXPECT_EQ(Utf8(CString::Formatted(u"%d년", 2024)), "2024년");
    EXPECT_EQ(Utf8(CString::Formatted(u"%.2f", 3.5)), "3.50");
    EXPECT_EQ(Utf8(CString::Formatted(u"%.2f", -0.005)), "-0.01");
    EXPECT_EQ(Utf8(CString::Formatted(u"0x%02hX", 10)), "0x0A");
    EXPECT_EQ(Utf8(CString::Formatted(u"0x%02hX", 255)), "0xFF");
    EXPECT_EQ(Utf8(CString::Formatted(u" %s월", CString(u"03"))), " 03월");
    EXPECT_EQ(Utf8(CString::Formatted(u"%.4d-%.2d-%s", 2024, 3, u"05")), "2024-03-05");
    EXPECT_EQ(Utf8(CString::Formatted(u"100%% %d", 1)), "100% 1");
}

TEST(CStringFormat, TextArgumentsKeepQuotesAndKorean) {
    CString name = CString::FromUtf8("김's 가게");
    EXPECT_EQ(Utf8(CString::Formatted(u"values ('%s')", name)), "values ('김's 가게')");
    EXPECT_EQ(Utf8(CString::Formatted(u"[%5s][%-5s]", u"ab", u"cd")), "[   ab][cd   ]");
}

TEST(CStringFormat, MissingOrWrongArgumentsShowAMark) {
    EXPECT_EQ(Utf8(CString::Formatted(u"%d %d", 1)), "1 <?>");
    EXPECT_EQ(Utf8(CString::Formatted(u"%s", 5)), "<?>");
}

TEST(CStringTrim, RemovesWhiteSpaceOnTheAskedSide) {
    CString s(u"  \t사과 \r\n");
    CString left = s;
    left.TrimLeft();
    EXPECT_EQ(Utf8(left), "사과 \r\n");
    CString right = s;
    right.TrimRight();
    EXPECT_EQ(Utf8(right), "  \t사과");
    CString both = s;
    EXPECT_EQ(Utf8(both.Trim()), "사과");
    CString blank(u"   ");
    EXPECT_TRUE(blank.TrimLeft().IsEmpty());
}

TEST(CStringText, ComparesConcatenatesAndCuts) {
    CString a(u"가");
    CString b = a + u"나" + CString(u"다");
    EXPECT_EQ(Utf8(b), "가나다");
    EXPECT_TRUE(b == CString(u"가나다"));
    EXPECT_FALSE(b == CString(u"가나다 "));  // trailing blanks make another name
    EXPECT_LT(CString(u"a"), CString(u"b"));
    EXPECT_EQ(Utf8(b.Left(2)), "가나");
    EXPECT_EQ(Utf8(b.Right(1)), "다");
    EXPECT_EQ(Utf8(b.Mid(1, 1)), "나");
    EXPECT_EQ(Utf8(b.Right(10)), "가나다");
    EXPECT_EQ(Utf8(CString(u"2024-03-05").Right(2)), "05");
    EXPECT_EQ(b.Find(u'다'), 2);
    EXPECT_EQ(b.Find(u'라'), -1);
}

TEST(CStringUtf8, RoundTripsAndReplacesBrokenBytes) {
    std::string text = "쇼핑 ◀▶ 🛒 x";
    EXPECT_EQ(CString::FromUtf8(text).ToUtf8(), text);
    EXPECT_EQ(CString::FromUtf8("a\xff" "b").ToUtf8(), "a\xEF\xBF\xBD" "b");
    EXPECT_EQ(CString::FromUtf8("\xE3\x81").ToUtf8(), "\xEF\xBF\xBD\xEF\xBF\xBD");
}

// Found by fuzzing: none of these may be undefined; each gives some text.
TEST(CStringFormat, AnyArgumentAndAnyFieldSizeIsSafe) {
    EXPECT_EQ(CString::Formatted(u"%d", 1e300).ToUtf8(), "-1");  // held at the limit, then cut to 32 bits
    EXPECT_EQ(CString::Formatted(u"%d", -1e300).ToUtf8(), "0");
    EXPECT_EQ(CString::Formatted(u"%d", std::nan("")).ToUtf8(), "0");
    EXPECT_EQ(CString::Formatted(u"%d", 3.9).ToUtf8(), "3");
    EXPECT_EQ(CString::Formatted(u"%300d", 5).GetLength(), 300);
    EXPECT_EQ(CString::Formatted(u"%.600f", 1.0).GetLength(), 602);
    EXPECT_EQ(CString::Formatted(u"%.2f", 1e308).GetLength(), 312);
    EXPECT_EQ(CString::Formatted(u"%99999999999999999999d", 1).GetLength(), 4096);
    EXPECT_EQ(CString::Formatted(u"%.99999999999999999999s", u"ab").ToUtf8(), "ab");
    EXPECT_EQ(CString::Formatted(u"%c", -1).ToUtf8(), "\xEF\xBF\xBD");
    EXPECT_EQ(CString::Formatted(u"%c", 0xD800).ToUtf8(), "\xEF\xBF\xBD");
    EXPECT_EQ(CString::Formatted(u"%").ToUtf8(), "<?>");
}

TEST(CStringUtf16, LoneSurrogatesBecomeReplacementCharacters) {
    const char16_t pair[] = {u'a', 0xD83D, 0xDED2, u'b', 0};
    EXPECT_EQ(CString::WithValidSurrogates(pair), CString(pair));
    const char16_t lone[] = {u'a', 0xD800, u'b', 0xDC00, 0xD800, 0};
    EXPECT_EQ(CString::WithValidSurrogates(lone), CString(u"a\uFFFDb\uFFFD\uFFFD"));
}

TEST(WholeNumberRule, ReadsTheLeadingWholeNumber) {
    EXPECT_EQ(_ttoi(CString(u"1500")), 1500);
    EXPECT_EQ(_ttoi(CString(u"1500.00")), 1500);
    EXPECT_EQ(_ttoi(CString(u"  -12abc")), -12);
    EXPECT_EQ(_ttoi(CString(u"+7")), 7);
    EXPECT_EQ(_ttoi(CString(u"\t 42")), 42);
    EXPECT_EQ(_ttoi(CString(u"")), 0);
    EXPECT_EQ(_ttoi(CString(u"abc")), 0);
    EXPECT_EQ(_ttoi(CString(u"-")), 0);
    EXPECT_EQ(_ttoi(CString(u"- 5")), 0);
    EXPECT_EQ(_ttoi(CString(u"NULL")), 0);
}

TEST(WholeNumberRule, StaysWithinThirtyTwoBits) {
    EXPECT_EQ(_ttoi(CString(u"2147483647")), INT_MAX);
    EXPECT_EQ(_ttoi(CString(u"-2147483648")), INT_MIN);
    EXPECT_EQ(_ttoi(CString(u"2147483648")), INT_MAX);
    EXPECT_EQ(_ttoi(CString(u"-2147483649")), INT_MIN);
    EXPECT_EQ(_ttoi(CString(u"99999999999999999999999")), INT_MAX);
}

} // namespace
