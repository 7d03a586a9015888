// The one pair of encoders between the platform's UTF-16 and UTF-8, and the
// one ASCII case rule.

#include <gtest/gtest.h>

#include "platform/shell/AsciiCase.h"
#include "platform/shell/DeviceFileSystem.h"
#include "platform/shell/TextEncoding.h"

namespace {

TEST(TextEncoding, EveryLengthOfSequenceGoesBothWays) {
    const std::u16string text = u"a\u00E9\uAC00\U0001F34E";  // 1, 2, 3 and 4 bytes
    const std::string utf8 = "a\xC3\xA9\xEA\xB0\x80\xF0\x9F\x8D\x8E";
    EXPECT_EQ(TextEncoding::ToUtf8(text), utf8);
    EXPECT_EQ(TextEncoding::FromUtf8(utf8), text);
    EXPECT_TRUE(TextEncoding::IsUtf8(utf8));
    EXPECT_EQ(TextEncoding::ToUtf8(u""), "");
    EXPECT_EQ(TextEncoding::FromUtf8(""), u"");
}

TEST(TextEncoding, LoneSurrogatesBecomeReplacementCharacters) {
    EXPECT_EQ(TextEncoding::ToUtf8(u"a\xD800"), "a\xEF\xBF\xBD");             // high at the end
    EXPECT_EQ(TextEncoding::ToUtf8(u"\xDC00" u"b"), "\xEF\xBF\xBD" "b");       // low alone
    EXPECT_EQ(TextEncoding::ToUtf8(u"\xD800\xD800\xDC00"), "\xEF\xBF\xBD\xF0\x90\x80\x80");  // then a pair
}

TEST(TextEncoding, BytesThatAreNotUtf8AreReplacedOneByOne) {
    const std::pair<std::string, std::u16string> cases[] = {
        {"\xFF", u"\uFFFD"},                    // never a lead byte
        {"\x80" "a", u"\uFFFD" u"a"},           // a continuation without a lead
        {"\xEA\xB0", u"\uFFFD\uFFFD"},          // cut short at the end
        {"\xEA" "a\x80", u"\uFFFD" u"a\uFFFD"}, // a lead followed by no continuation
    };
    for (const auto& [bytes, text] : cases) {
        EXPECT_EQ(TextEncoding::FromUtf8(bytes), text) << bytes.size();
        EXPECT_FALSE(TextEncoding::IsUtf8(bytes)) << bytes.size();
    }
}

TEST(TextEncoding, DevicePathsReachTheHostInUtf8) {
    const std::filesystem::path before = DeviceFileSystem::Root();
    DeviceFileSystem::SetRoot("/root-of-test");
    std::string host = DeviceFileSystem::HostPath(u"\\Program Files\\장보기\\a\xD800.cdb").string();
    DeviceFileSystem::SetRoot(before);
    EXPECT_EQ(host, "/root-of-test/Program Files/\xEC\x9E\xA5\xEB\xB3\xB4\xEA\xB8\xB0/a\xEF\xBF\xBD.cdb");
}

TEST(AsciiCase, FoldsOnlyTheAsciiLetters) {
    EXPECT_TRUE(AsciiCase::Equal(u"ProdName", u"PRODNAME"));
    EXPECT_FALSE(AsciiCase::Equal(u"\u00C4", u"\u00E4"));  // Ä and ä stay apart
    EXPECT_FALSE(AsciiCase::Equal(u"[", u"{"));             // 0x5B is no letter, 0x7B neither
    EXPECT_FALSE(AsciiCase::Equal(u"@", u"`"));
    EXPECT_FALSE(AsciiCase::Equal(u"ab", u"abc"));
    EXPECT_EQ(AsciiCase::Lower(u'Z'), u'z');
    EXPECT_EQ(AsciiCase::Lower(u'\uAC00'), u'\uAC00');
}

TEST(AsciiCase, OrdersByFoldedUnitsThenByLength) {
    EXPECT_LT(AsciiCase::Compare(u"apple", u"Banana"), 0);  // no upper case first
    EXPECT_GT(AsciiCase::Compare(u"Cherry", u"banana"), 0);
    EXPECT_EQ(AsciiCase::Compare(u"Kiwi", u"kIWI"), 0);
    EXPECT_LT(AsciiCase::Compare(u"kiw", u"Kiwi"), 0);
    EXPECT_GT(AsciiCase::Compare(u"사과", u"Zebra"), 0);
    EXPECT_LT(AsciiCase::Compare(u"_", u"a"), 0);  // '_' lies between the upper and the lower letters: folded, before them all
    EXPECT_TRUE(AsciiCase::StartsWith(u"Orange juice", u"oRANGE"));
    EXPECT_TRUE(AsciiCase::StartsWith(u"Orange", u""));
    EXPECT_FALSE(AsciiCase::StartsWith(u"Or", u"Orange"));
    EXPECT_FALSE(AsciiCase::StartsWith(u"Orange", u"range"));
}

} // namespace
