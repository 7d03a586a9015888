// The CSV of paid items and the JSON of the whole notebook, through the
// commands a script runs: the exact bytes, the order, the period, the
// encodings, and the texts a spreadsheet or a parser would trip on.

#include <gtest/gtest.h>

#include <sstream>

#include "desk/Cp949.h"
#include "desk/DeskCommand.h"
#include "desk/WholeFile.h"
#include "tests/support/TestDevice.h"

namespace {

struct Outcome {
    int status;
    std::string out, err;
};

Outcome Desk(const std::filesystem::path& root, std::vector<std::string> words) {
    words.push_back("--device-root");
    words.push_back(root.string());
    std::ostringstream out, err;
    int status = DeskCommand::Run(words, out, err);
    return {status, out.str(), err.str()};
}

std::string Quote(const std::string& text) {
    std::string quoted = "'";
    for (char c : text) quoted += c == '\'' ? "''" : std::string(1, c);
    return quoted + "'";
}

// Texts may hold any byte sequence SQLite keeps: made with char() where a
// literal would not do.
void AddItem(TestDevice& device, int seq, const std::string& mgr, const std::string& date, const std::string& store,
             const std::string& category, const std::string& product, int amount, const std::string& payYN = "Y") {
    device.Sql("insert into ShoppingList_tbl values (" + std::to_string(seq) + "," + Quote(category) + "," +
               Quote(product) + ",2," + Quote("개") + ",1500,'Y',-100,300," + std::to_string(amount) + "," +
               Quote(date) + "," + Quote(store) + "," + mgr + "," + Quote(payYN) + ")");
}

class DeskExportTest : public ::testing::Test {
protected:
    void SetUp() override {
        device.Create("desk-export");
        other.Create("desk-export-other");
    }
    void TearDown() override {
        device.Remove();
        other.Remove();
    }
    TestDevice device, other;
};

TEST_F(DeskExportTest, ItemsCsvGuardsAndQuotesEveryHostileFieldInDateTripAndRowOrder) {
    AddItem(device, 7, "3", "2024-03-02", "=SUM(A1)", "+1,2", "\"따옴표\" 품명", 2700);
    AddItem(device, 5, "3", "2024-03-02", "-음수", "@at", "\t탭", 2700);
    AddItem(device, 6, "2", "2024-03-02", "\r캐리지", " 앞뒤 ", "줄\r\n바꿈", 2700);
    AddItem(device, 4, "1", "2024-03-01", "가게", "분류", "😀", 2700);
    AddItem(device, 3, "1", "2024-02-29", "before", "x", "x", 1);     // before the period
    AddItem(device, 2, "9", "2024-03-31", "last day", "x", "y", 1);   // its last day
    AddItem(device, 1, "9", "2024-04-01", "after", "x", "x", 1);      // after it
    AddItem(device, 8, "0", "2024-03-05", "unpaid", "x", "x", 1, ""); // not paid
    Outcome csv = Desk(device.Root(), {"export", "items", "--from", "2024-03-01", "--to", "2024-03-31"});
    ASSERT_EQ(csv.status, 0) << csv.err;
    const std::string tail = ",2,개,1500,-100,300,";
    EXPECT_EQ(csv.out,
              "\xEF\xBB\xBF"
              "결제번호,쇼핑일자,쇼핑점,분류,품명,수량,단위,단가,쿠폰할인,할인금액,금액\r\n"
              "1,2024-03-01,가게,분류,😀" + tail + "2700\r\n"
              "2,2024-03-02,\"'\r캐리지\",\" 앞뒤 \",\"줄\r\n바꿈\"" + tail + "2700\r\n"
              "3,2024-03-02,'-음수,'@at,'\t탭" + tail + "2700\r\n"
              "3,2024-03-02,'=SUM(A1),\"'+1,2\",\"\"\"따옴표\"\" 품명\"" + tail + "2700\r\n"
              "9,2024-03-31,last day,x,y" + tail + "1\r\n");

    // CP949 writes the same text in Korean Windows' code page, but a
    // character it lacks refuses the whole export, naming the line.
    std::filesystem::path file = device.Root() / "items.csv";
    Outcome refused = Desk(device.Root(), {"export", "items", "--from=2024-03-01", "--to=2024-03-31", "--encoding",
                                          "cp949", "-o", file.string()});
    EXPECT_EQ(refused.status, 1);
    EXPECT_NE(refused.err.find(file.string() + ": 2번째 줄"), std::string::npos) << refused.err;
    EXPECT_NE(refused.err.find("U+1F600"), std::string::npos) << refused.err;
    EXPECT_EQ(std::count(refused.err.begin(), refused.err.end(), '\n'), 1);
    EXPECT_FALSE(std::filesystem::exists(file));

    device.Sql("delete from ShoppingList_tbl where SeqNo = 4");
    Outcome written = Desk(device.Root(), {"export", "items", "--from=2024-03-01", "--to=2024-03-31", "--encoding",
                                          "cp949", "-o", file.string()});
    ASSERT_EQ(written.status, 0) << written.err;
    std::string bytes = WholeFile::Read(file);
    EXPECT_EQ(bytes.substr(0, 4), "\xB0\xE1\xC1\xA6");  // 결제
    std::string expected = csv.out.substr(3);
    size_t emojiLine = expected.find("1,2024-03-01");
    expected.erase(emojiLine, expected.find("\r\n", emojiLine) + 2 - emojiLine);
    EXPECT_EQ(Cp949::Decode(bytes), expected);
}

TEST_F(DeskExportTest, NotebookJsonRoundTripsEveryHostileTextToTheSameBytes) {
    const std::vector<std::string> hostile = {
        "", "'", "\"", "\\", "a\"b\\c/d", "줄\r\n바꿈\t탭", "😀 𝄞 \xEF\xBF\xBF", "\x7F\x01\x1F", "{\"tables\": []}",
        "  앞뒤  ", "=1+1", "null", "0", "\xE2\x80\xA8\xE2\x80\xA9",
    };
    for (size_t i = 0; i < hostile.size(); ++i) {
        device.Sql("insert into Category_tbl values (" + Quote(hostile[i]) + ")");
        device.Sql("insert into ProdName_tbl values (" + Quote(hostile[i]) + "," + Quote(hostile[(i + 1) % hostile.size()]) + ")");
        device.Sql("insert into Unit_tbl values (" + Quote(hostile[i]) + ")");
        device.Sql("insert into ShpStore_tbl values (" + Quote(hostile[i]) + ")");
        AddItem(device, static_cast<int>(i) + 1, i % 2 ? "NULL" : "2147483647", hostile[i], hostile[i], hostile[i], hostile[i], -2147483647 - 1);
    }
    // A zero inside a text, which SQLite keeps with its length.
    device.Sql("insert into Unit_tbl values ('a' || char(0) || 'b'); insert into ShpStore_tbl values (NULL)");

    Outcome first = Desk(device.Root(), {"export", "notebook"});
    ASSERT_EQ(first.status, 0) << first.err;
    EXPECT_EQ(first.out.rfind("{\"format\": \"cartavel-notebook\", \"version\": 1, \"tables\": {\n\"Category_tbl\": [\n", 0), 0u);
    EXPECT_NE(first.out.find("\"a\\u0000b\""), std::string::npos);
    EXPECT_NE(first.out.find("\"MgrNo\":null"), std::string::npos);
    EXPECT_NE(first.out.find("\"ShpAmount\":-2147483648"), std::string::npos);

    std::filesystem::path file = device.Root() / "notebook.json";
    WholeFile::Write(file, first.out);
    Outcome imported = Desk(other.Root(), {"import", "notebook", file.string()});
    ASSERT_EQ(imported.status, 0) << imported.err;
    EXPECT_EQ(Desk(other.Root(), {"export", "notebook"}).out, first.out);

    // A notebook that holds a row refuses it and stays as it was.
    std::string before = other.Rows("select count(*) from ShoppingList_tbl");
    Outcome again = Desk(other.Root(), {"import", "notebook", file.string()});
    EXPECT_EQ(again.status, 1);
    EXPECT_NE(again.err.find("비어 있지 않아"), std::string::npos) << again.err;
    EXPECT_EQ(other.Rows("select count(*) from ShoppingList_tbl"), before);
}

TEST_F(DeskExportTest, NotebookJsonThatIsNotWholeAndRightAddsNothing) {
    const std::string head = "{\"format\": \"cartavel-notebook\", \"version\": 1, \"tables\": {";
    const std::string rest = "\"ProdName_tbl\": [], \"Unit_tbl\": [], \"ShpStore_tbl\": [], \"ShoppingList_tbl\": []}}";
    const std::string good = head + "\"Category_tbl\": [{\"CategoryName\": \"과일\"}], " + rest;
    const std::string item = "{\"SeqNo\":1,\"CategoryName\":\"a\",\"ProdName\":\"b\",\"ShpQty\":1,\"UnitName\":\"c\","
                             "\"Price\":1,\"CuponYN\":\"\",\"CuponDcAmt\":0,\"TotDcAmt\":0,\"ShpAmount\":1,"
                             "\"ShpDate\":\"2024-01-01\",\"StoreName\":\"s\",\"MgrNo\":1,\"PayYN\":\"Y\"}";
    auto replace = [](std::string text, const std::string& what, const std::string& with) {
        return text.replace(text.find(what), what.size(), with);
    };
    const std::vector<std::string> bad = {
        "not json",
        good.substr(0, good.size() - 1),
        replace(good, "cartavel-notebook", "other"),
        replace(good, "\"version\": 1", "\"version\": 2"),
        replace(good, "\"Unit_tbl\": [], ", ""),
        replace(good, "\"Unit_tbl\"", "\"Other_tbl\""),
        replace(good, "\"CategoryName\": \"과일\"", "\"Name\": \"과일\""),
        replace(good, "\"과일\"", "12"),
        replace(good, "\"과일\"}", "\"과일\", \"Extra\": 1}"),
        // Valid JSON the layout refuses: the last row fails after others went in.
        replace(good, "\"ShoppingList_tbl\": []", "\"ShoppingList_tbl\": [" + item + "," + replace(item, "\"Price\":1", "\"Price\":1.5") + "]"),
        replace(good, "\"ShoppingList_tbl\": []", "\"ShoppingList_tbl\": [" + replace(item, "\"Price\":1", "\"Price\":\"1\"") + "]"),
        replace(good, "\"ShoppingList_tbl\": []", "\"ShoppingList_tbl\": [" + replace(item, "\"ShpQty\":1", "\"ShpQty\":4294967296") + "]"),
    };
    std::filesystem::path file = device.Root() / "bad.json";
    for (const std::string& text : bad) {
        WholeFile::Write(file, text);
        Outcome refused = Desk(device.Root(), {"import", "notebook", file.string()});
        EXPECT_EQ(refused.status, 1) << text;
        EXPECT_EQ(refused.err.rfind("cartavel: " + file.string() + ": ", 0), 0u) << refused.err;
        EXPECT_EQ(device.Rows("select (select count(*) from Category_tbl) + (select count(*) from ShoppingList_tbl)"), "0\n") << text;
    }
    WholeFile::Write(file, good);
    EXPECT_EQ(Desk(device.Root(), {"import", "notebook", file.string()}).status, 0);
    EXPECT_EQ(device.Rows("select CategoryName from Category_tbl"), "과일\n");
}

} // namespace
