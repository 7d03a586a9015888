// An item's life through the program's own handlers, as a person drives it:
// after every step each row is in exactly one of the states of
// data/ItemLife.h, and a refused payment leaves the trip where it was.

#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>
#include <string>

#include "data/ItemLife.h"
#include "tools/script/ScenarioParser.h"
#include "tools/script/ScenarioRunner.h"

namespace {

// The rows in no state, or in more than one: none may ever be.
std::string EveryRowInOneState() {
    const std::string planned = ItemLife::kPlanned;
    const std::string priced = ItemLife::kPriced;
    const std::string paid = ItemLife::kPaid;
    return "expect db select count(*) from ShoppingList_tbl where (" + planned + " + " + priced + " + " + paid +
           ") <> 1\n| 0\n";
}

std::string Counted(const char* state, int rows) {
    return "expect db select count(*) from ShoppingList_tbl where " + std::string(state) + "\n| " +
           std::to_string(rows) + "\n";
}

TEST(ItemLife, EveryHandlerMovesRowsBetweenTheStatesOnly) {
    // Each step, then what it must leave: planned, priced and paid rows.
    struct Step {
        const char* lines;
        int planned, priced, paid;
    };
    const Step steps[] = {
        {"click 1000\nchoose 1027 과일\nchoose 1007 배\ntype 1026 2\nchoose 1009 개\nclick 1010\n"
         "choose 1027 과일\nchoose 1007 사과\ntype 1026 3\nchoose 1009 개\nclick 1010\nclose\n",
         2, 0, 0},
        {"click 1001\nchoose 1006 한빛마트\nclick 1051\ntap 1012 0\ntype 1017 700\nclick 1010\n"
         "tap 1012 1\ntype 1017 300\nclick 1010\n",
         0, 2, 0},
        {"tap 1012 1\nclick 1011\n", 1, 1, 0},
        {"tap 1012 1\ntype 1017 300\nclick 1010\n", 0, 2, 0},
        // Refused: the database will not pay the apple; nothing moves.
        {"sql create trigger NoApple before update of PayYN on ShoppingList_tbl when NEW.ProdName = '사과' "
         "begin select raise(abort, 'no'); end\nclick 1023\nclick 1010\nclick 1011\n",
         0, 2, 0},
        {"sql drop trigger NoApple\nclick 1023\nclick 1010\nclose\n", 0, 0, 2},
        {"click 1002\ntap 1034 0\nanswer yes\nclick 1011\nclose\n", 0, 2, 0},
    };
    std::string script =
        "install\ntoday 2024-03-15\n"
        "sql insert into Category_tbl values ('과일'); insert into ProdName_tbl values ('과일','배'); "
        "insert into ProdName_tbl values ('과일','사과'); insert into Unit_tbl values ('개'); "
        "insert into ShpStore_tbl values ('한빛마트')\nstart\n";
    for (const Step& step : steps) {
        script += step.lines;
        script += EveryRowInOneState();
        script += Counted(ItemLife::kPlanned, step.planned) + Counted(ItemLife::kPriced, step.priced) +
                  Counted(ItemLife::kPaid, step.paid);
    }
    std::vector<ScenarioCommand> commands;
    ScenarioParser parser;
    ASSERT_TRUE(parser.Parse(script, commands)) << parser.Error();
    const auto root = std::filesystem::temp_directory_path() / ("cartavel-itemlife-" + std::to_string(::getpid()));
    std::filesystem::remove_all(root);
    {
        // A step that fails names its line and what it found on standard error.
        ScenarioRunner runner(std::move(commands), root);
        EXPECT_EQ(runner.Run(), 0);
    }
    std::filesystem::remove_all(root);
}

} // namespace
