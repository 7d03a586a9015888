// The command line's words and the products import: usage errors say so
// with status 2 and touch nothing; the CSV of products in each encoding.

#include <gtest/gtest.h>

#include <sstream>

#include "desk/DeskCommand.h"
#include "desk/WholeFile.h"
#include "tests/support/TestDevice.h"

namespace {

struct Outcome {
    int status;
    std::string out, err;
};

Outcome Desk(std::vector<std::string> words) {
    std::ostringstream out, err;
    int status = DeskCommand::Run(words, out, err);
    return {status, out.str(), err.str()};
}

class DeskCommandTest : public ::testing::Test {
protected:
    void SetUp() override { device.Create("desk-command"); }
    void TearDown() override { device.Remove(); }
    std::vector<std::string> With(std::vector<std::string> words) {
        words.insert(words.end(), {"--device-root", device.Root().string()});
        return words;
    }
    TestDevice device;
};

TEST_F(DeskCommandTest, WrongWordsAreUsageErrorsAndHelpIsThereForEach) {
    const std::vector<std::vector<std::string>> misuses = {
        {"frobnicate"}, {"export"}, {"export", "things"}, {"backup", "a", "b"}, {"restore"},
        {"backups", "--force"}, {"import", "notebook"}, {"import", "products", "f.csv", "--dry-run=yes"},
        {"export", "items", "--from", "2024-01-01"},
        {"export", "items", "--from", "2024-02-30", "--to", "2024-03-01"},
        {"export", "items", "--from", "2024-3-1", "--to", "2024-03-01"},
        {"export", "items", "--from", "2024-03-02", "--to", "2024-03-01"},
        {"export", "items", "--from", "2024-03-01", "--to", "2024-03-01", "--encoding", "latin1"},
        {"export", "items", "--from", "2024-03-01", "--to"},
        {"export", "notebook", "-o", ""},
    };
    for (const auto& words : misuses) {
        Outcome outcome = Desk(With(words));
        EXPECT_EQ(outcome.status, 2) << words[0];
        EXPECT_NE(outcome.err.find("사용법: "), std::string::npos) << outcome.err;
        EXPECT_TRUE(outcome.out.empty());
    }
    for (const char* command : {"backup", "backups", "restore"}) {
        Outcome help = Desk({command, "--help"});
        EXPECT_EQ(help.status, 0);
        EXPECT_EQ(help.out.rfind(std::string("사용법: cartavel ") + command, 0), 0u) << help.out;
    }
    EXPECT_EQ(Desk({"export", "items", "--help"}).status, 0);
    EXPECT_EQ(Desk({"import", "products", "--help"}).status, 0);
    EXPECT_FALSE(std::filesystem::exists(device.Root() / "backups"));
    // A missing notebook is a failure that names it, not an empty export.
    Outcome missing = Desk({"export", "notebook", "--device-root", (device.Root() / "none").string()});
    EXPECT_EQ(missing.status, 1);
    EXPECT_NE(missing.err.find("none/Program Files/Cartavel/Orvanemart.cdb"), std::string::npos) << missing.err;
}

TEST_F(DeskCommandTest, ProductsComeInFromEachEncodingAndWhatIsThereIsSkipped) {
    device.Sql("insert into Category_tbl values ('과일'); insert into ProdName_tbl values ('채소', '사과')");
    const std::string rows = "분류,품명\r\n과일,사과\r\n과일,\"배, 신고\"\r\n\r\n채소,무\r\n채소,무\n";
    std::filesystem::path file = device.Root() / "products.csv";
    const std::string summary = "분류 1개 추가, 1개 건너뜀; 품명 2개 추가, 2개 건너뜀";

    WholeFile::Write(file, rows);
    Outcome trial = Desk(With({"import", "products", file.string(), "--dry-run"}));
    EXPECT_EQ(trial.status, 0) << trial.err;
    EXPECT_EQ(trial.out.rfind(summary, 0), 0u) << trial.out;
    EXPECT_EQ(device.Rows("select count(*) from ProdName_tbl"), "1\n");

    // CP949 bytes of the same rows, and UTF-8 with its mark.
    const std::string cp949 = "\xBA\xD0\xB7\xF9,\xC7\xB0\xB8\xED\r\n\xB0\xFA\xC0\xCF,\xB9\xE8\r\n";
    for (const std::string& bytes : {"\xEF\xBB\xBF" + rows, cp949}) {
        WholeFile::Write(file, bytes);
        Outcome outcome = Desk(With({"import", "products", file.string()}));
        EXPECT_EQ(outcome.status, 0) << outcome.err;
    }
    EXPECT_EQ(device.Rows("select CategoryName, ProdName from ProdName_tbl order by rowid"),
              "채소|사과\n과일|배, 신고\n채소|무\n과일|배\n");
    EXPECT_EQ(device.Rows("select CategoryName from Category_tbl order by rowid"), "과일\n채소\n");

    const std::vector<std::pair<std::string, std::string>> refused = {
        {"품명,분류\r\n과일,감\r\n", "머리글"},
        {"분류,품명\r\n과일,감\r\n과일\r\n", "3번째 줄"},
        {"분류,품명\r\n과일,감\r\n,귤\r\n", "3번째 줄"},
        {"분류,품명\r\n과일,감\r\n과일,\"귤\r\n", "3번째 줄"},
        {"분류,품명\r\n과일,\"감\"x\r\n", "2번째 줄"},
        {"\xEF\xBB\xBF\xBA\xD0\xB7\xF9,\xC7\xB0\xB8\xED\r\n", "UTF-8"},
        {"\xFF\xFF,\xFF\r\n", "UTF-8"},
    };
    for (const auto& [bytes, why] : refused) {
        WholeFile::Write(file, bytes);
        Outcome outcome = Desk(With({"import", "products", file.string()}));
        EXPECT_EQ(outcome.status, 1) << bytes;
        EXPECT_NE(outcome.err.find(file.string() + ": "), std::string::npos) << outcome.err;
        EXPECT_NE(outcome.err.find(why), std::string::npos) << outcome.err;
    }
    EXPECT_EQ(device.Rows("select count(*) from ProdName_tbl"), "4\n");
}

} // namespace
