// What the recordset component reads in a statement's text before SQLite:
// words outside quotes, column numbers in ORDER BY and GROUP BY, where a
// SELECT's list starts, and the kind of a declared column type.

#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "platform/com/RecordsetInterfaces.h"
#include "platform/recordset/SqlText.h"

namespace {

std::u16string Joined(const std::vector<std::u16string>& words) {
    std::u16string out;
    for (const auto& w : words) out += (out.empty() ? u"" : u" ") + w;
    return out;
}

TEST(SqlTextWords, QuotedTextsAndNamesAreOneWordAndLetterCaseFolds) {
    EXPECT_EQ(Joined(SqlText::Words(u"SELECT a,B FROM [Order By 2] WHERE x='o''b' ORDER\tBY \"2\"")),
              u"select a , b from ? where x = ? ? order by ?");
    // An open quote takes the rest of the text; Korean letters make words.
    EXPECT_EQ(Joined(SqlText::Words(u"select 가격 from t where n = 'unended")), u"select 가격 from t where n = ?");
    EXPECT_EQ(Joined(SqlText::Words(u"  ")), u"");
}

TEST(SqlTextWords, ColumnNumbersInOrderAndGroupListsAreFound) {
    EXPECT_TRUE(SqlText::RefersByPosition(u"select a, b from t order by 2"));
    EXPECT_TRUE(SqlText::RefersByPosition(u"select a, b from t ORDER BY a, 2 desc"));
    EXPECT_TRUE(SqlText::RefersByPosition(u"select a, count(*) from t group by 1"));
    EXPECT_FALSE(SqlText::RefersByPosition(u"select a, b from t order by b, a"));
    EXPECT_FALSE(SqlText::RefersByPosition(u"select a from t where b = 2 limit 2"));
    EXPECT_FALSE(SqlText::RefersByPosition(u"select a from t order by '2', \"3\""));
    EXPECT_FALSE(SqlText::RefersByPosition(u"select a, 2 from t"));
    EXPECT_FALSE(SqlText::RefersByPosition(u"select a from t order by"));
}

TEST(SqlTextSelect, OnlyASelectFollowedByABlankGetsTheRowid) {
    EXPECT_EQ(SqlText::SelectListStart(u"select a from t"), 6u);
    EXPECT_EQ(SqlText::SelectListStart(u" \r\n\tSeLeCt\na from t"), 10u);
    EXPECT_EQ(SqlText::SelectListStart(u"select*from t"), std::u16string_view::npos);
    EXPECT_EQ(SqlText::SelectListStart(u"selection"), std::u16string_view::npos);
    EXPECT_EQ(SqlText::SelectListStart(u"select"), std::u16string_view::npos);
    EXPECT_EQ(SqlText::SelectListStart(u"update t set a=1"), std::u16string_view::npos);
    EXPECT_EQ(SqlText::SelectListStart(u"with x as (select 1) select * from x"), std::u16string_view::npos);
    EXPECT_EQ(SqlText::WithRowid(u"  select a from t", 8), u"  select _rowid_, a from t");
}

TEST(SqlTextSelect, WhatMayFollowTheOneStatement) {
    EXPECT_TRUE(SqlText::OnlyBlankOrSemicolons(u""));
    EXPECT_TRUE(SqlText::OnlyBlankOrSemicolons(u" ;\t;\r\n"));
    EXPECT_FALSE(SqlText::OnlyBlankOrSemicolons(u"; -- note"));
    EXPECT_FALSE(SqlText::OnlyBlankOrSemicolons(u"\u00A0"));  // no blank of SQL
}

TEST(SqlTextNames, QuotedNamesDoubleTheirQuotes) {
    EXPECT_EQ(SqlText::QuotedName("ShoppingList_tbl"), "\"ShoppingList_tbl\"");
    EXPECT_EQ(SqlText::QuotedName("a\"b\"\""), "\"a\"\"b\"\"\"\"\"");
    EXPECT_EQ(SqlText::QuotedName(""), "\"\"");
}

TEST(SqlTextTypes, DeclaredTypesByTheirAffinity) {
    EXPECT_EQ(SqlText::TypeCodeOfDeclared("INTEGER"), adInteger);
    EXPECT_EQ(SqlText::TypeCodeOfDeclared("integer"), adInteger);
    EXPECT_EQ(SqlText::TypeCodeOfDeclared("BigInt"), adInteger);
    EXPECT_EQ(SqlText::TypeCodeOfDeclared("REAL"), adDouble);
    EXPECT_EQ(SqlText::TypeCodeOfDeclared("double precision"), adDouble);
    EXPECT_EQ(SqlText::TypeCodeOfDeclared("Float"), adDouble);
    EXPECT_EQ(SqlText::TypeCodeOfDeclared("text"), adVarWChar);
    EXPECT_EQ(SqlText::TypeCodeOfDeclared("NUMERIC"), adVarWChar);
    EXPECT_EQ(SqlText::TypeCodeOfDeclared("정수"), adVarWChar);
    EXPECT_EQ(SqlText::TypeCodeOfDeclared(""), adVarWChar);
    EXPECT_EQ(SqlText::TypeCodeOfDeclared(nullptr), adVarWChar);  // an expression
}

// Under a Turkish locale the upper case of 'i' is not 'I'; the kinds must
// not change with the host.
TEST(SqlTextTypes, TheHostLocaleChangesNothing) {
    std::string before = std::setlocale(LC_CTYPE, nullptr);
    if (!std::setlocale(LC_CTYPE, "tr_TR.UTF-8") && !std::setlocale(LC_CTYPE, "tr_TR.ISO-8859-9")) {
        GTEST_SKIP() << "no Turkish locale on this host";
    }
    EXPECT_EQ(SqlText::TypeCodeOfDeclared("integer"), adInteger);
    EXPECT_EQ(SqlText::Words(u"ORDER BY 1")[0], u"order");
    std::setlocale(LC_CTYPE, before.c_str());
}

} // namespace
