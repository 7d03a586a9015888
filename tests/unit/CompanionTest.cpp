// The shopping companion on small notebooks whose every number is known.

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <sstream>
#include <tuple>
#include <vector>

#include "companion/BasketCommand.h"
#include "companion/BasketReport.h"
#include "companion/BudgetBook.h"
#include "companion/BuyAgain.h"
#include "companion/CompanionSession.h"
#include "companion/NotebookQueries.h"
#include "dialogs/CShopItemsDlg.h"
#include "platform/framework/DialogInput.h"
#include "platform/shell/DeviceClock.h"
#include "tests/support/DatabaseFixture.h"
#include "tests/unit/StepDriver.h"

namespace {

class CompanionTest : public DatabaseTest {
protected:
    void SetUp() override {
        DatabaseTest::SetUp();
        DeviceClock::SetToday(2024, 3, 15);
    }
    void TearDown() override {
        DeviceClock::UseRealTime();
        DatabaseTest::TearDown();
    }
    // A paid item: product, unit, shop, date, unit price, quantity, trip.
    void Paid(int seq, const std::string& product, const std::string& unit, const std::string& shop,
              const std::string& date, long long price, int qty = 1, int trip = 1, const std::string& category = "과일") {
        Sql("insert into ShoppingList_tbl values (" + std::to_string(seq) + ",'" + category + "','" + product + "'," +
            std::to_string(qty) + ",'" + unit + "'," + std::to_string(price) + ",'Y',100,0," +
            std::to_string(price * qty) + ",'" + date + "','" + shop + "'," + std::to_string(trip) + ",'Y')");
    }
    void Planned(int seq, const std::string& product, const std::string& unit, int qty, long long amount = 0,
                 const std::string& date = "", const std::string& category = "과일") {
        Sql("insert into ShoppingList_tbl values (" + std::to_string(seq) + ",'" + category + "','" + product + "'," +
            std::to_string(qty) + ",'" + unit + "',0,'',0,0," + std::to_string(amount) + ",'" + date + "','',"
            "'','')");
    }
    std::string Basket() {
        std::ostringstream out, err;
        int status = BasketCommand::Run({"basket", "--device-root", root.string()}, out, err);
        EXPECT_EQ(status, 0) << err.str();
        std::string csv = out.str();
        EXPECT_EQ(csv.rfind("\xEF\xBB\xBF", 0), 0u);
        csv.erase(0, 3);
        for (size_t at; (at = csv.find("\r\n")) != std::string::npos;) csv.replace(at, 2, "\n");
        return csv;
    }
};

TEST_F(CompanionTest, PriceMemoryKeepsEachShopsLastPriceAndTheYearsRangeForOneUnit) {
    Paid(1, "사과", "개", "갑마트", "2023-01-10", 900);   // older than twelve months: not in the range
    Paid(2, "사과", "개", "갑마트", "2024-02-01", 1000);
    Paid(3, "사과", "개", "갑마트", "2024-03-01", 1200);
    Paid(4, "사과", "개", "갑마트", "2024-03-01", 1100);  // same day, higher SeqNo: the last
    Paid(5, "사과", "개", "을마트", "2023-06-01", 1000);
    Paid(6, "사과", "봉지", "을마트", "2024-03-10", 5000);  // another unit: never compared
    Paid(7, "배", "개", "병마트", "2024-03-10", 10);
    std::vector<PriceRecord> records;
    ASSERT_TRUE(NotebookQueries::Prices(nullptr, records));
    PriceMemory memory = PriceMemory::Of(records, u"사과", u"개", u"2024-03-15");
    ASSERT_EQ(memory.Shops().size(), 2u);
    EXPECT_EQ(memory.Shops()[0].shop, CString(u"을마트"));  // ties at 1000: the cheapest first by name
    EXPECT_EQ(memory.Shops()[0].change, std::nullopt);
    const PriceMemory::ShopLine* gap = memory.At(u"갑마트");
    ASSERT_NE(gap, nullptr);
    EXPECT_EQ(gap->price, 1100);
    EXPECT_EQ(gap->date, CString(u"2024-03-01"));
    EXPECT_EQ(gap->change, 1100 - 1200);
    EXPECT_EQ(memory.Lowest(), 1000);
    EXPECT_EQ(memory.Highest(), 1200);

    // The notes on a typed unit price at 갑마트 (last 1100; 을마트 1000).
    EXPECT_EQ(memory.NoteOnTyped(u"갑마트", u"1100"), CString());  // same as last, within 10 %
    EXPECT_NE(memory.NoteOnTyped(u"갑마트", u"1101").Find(u"지난 가격 1100원"), -1);
    EXPECT_EQ(memory.NoteOnTyped(u"을마트", u"1000"), CString());
    EXPECT_EQ(memory.NoteOnTyped(u"병마트", u"1100"), CString());  // exactly 10 % above: not more
    EXPECT_NE(memory.NoteOnTyped(u"병마트", u"1101").Find(u"을마트의 지난 가격 1000원보다 10% 넘게"), -1);
    EXPECT_EQ(memory.NoteOnTyped(u"갑마트", u"abc"), CString());
    EXPECT_EQ(memory.NoteOnTyped(u"갑마트", u"99999999999"), CString());  // no price at all

    PriceMemory none = PriceMemory::Of(records, u"사과", u"kg", u"2024-03-15");
    EXPECT_TRUE(none.Shops().empty());
    EXPECT_EQ(none.Lowest(), std::nullopt);
}

TEST_F(CompanionTest, BasketPricesThePlanAtEveryShopAndTheSplit) {
    Paid(1, "사과", "개", "갑마트", "2024-01-05", 1000);
    Paid(2, "사과", "개", "을마트", "2024-02-05", 900);
    Paid(3, "사과", "봉지", "병마트", "2024-02-05", 10);    // another unit: no price for the plan's row
    Paid(4, "우유", "병", "갑마트", "2023-12-01", 2500);
    Paid(5, "우유", "병", "을마트", "2024-03-01", 2500);    // a tie: the split takes 갑마트 by name
    Paid(6, "쌀", "kg", "을마트", "2024-03-02", 2000000000);
    Paid(7, "쌀", "kg", "갑마트", "2024-03-02", 2100000000);
    Planned(10, "사과", "개", 3);
    Planned(11, "우유", "병", 2);
    Planned(12, "쌀", "kg", 1);
    Planned(13, "소금", "개", 1);  // no shop has a price
    EXPECT_EQ(Basket(),
              "쇼핑점,합계,가격있음,품목수,가장오래된가격\n"
              "을마트,2000007700,3,4,2024-02-05\n"
              "갑마트,2100008000,3,4,2023-12-01\n"
              "나눠사기,2000007700,3,4,2023-12-01\n");
    // Costs beyond 32 bits in all: summed exactly.
    Planned(14, "쌀", "kg", 1);
    EXPECT_NE(Basket().find("을마트,4000007700,4,5,"), std::string::npos);

    BasketComparison basket;
    CString problem;
    ASSERT_TRUE(BasketReport::Compare(basket, problem));
    EXPECT_EQ(basket.CheapestWhole(), nullptr);  // 소금 has no price anywhere
    Sql("delete from ShoppingList_tbl where ProdName in ('소금','쌀') and PayYN <> 'Y'");
    ASSERT_TRUE(BasketReport::Compare(basket, problem));
    ASSERT_NE(basket.CheapestWhole(), nullptr);
    EXPECT_EQ(basket.CheapestWhole()->shop, CString(u"을마트"));
    EXPECT_EQ(basket.SplitSaves(), 0);

    // A row whose cost no amount could hold is said, not wrapped.
    Planned(20, "쌀", "kg", 2);
    EXPECT_FALSE(BasketReport::Compare(basket, problem));
    EXPECT_NE(problem.Find(u"너무 큽니다"), -1);
}

// The latest price of each product and unit of the plan at each shop, as
// the basket reads it, against the same rule applied to every row by hand:
// many rows of one day at one shop (the highest SeqNo wins, whatever the
// order they were stored in), a shop named '', other units of a planned
// product, a paid row without a shop or a date (no price at a shop), and
// rows priced later but not paid (no price yet). The same on a notebook
// without the prices' index, which is read another way.
TEST_F(CompanionTest, LatestPricesAreEachShopsLastPaidRowWithOrWithoutThePricesIndex) {
    const char* products[] = {"사과", "배", "우유", "쌀"};
    const char* units[] = {"개", "봉지"};
    const char* shops[] = {"", "갑마트", "을마트", "병마트", "정마트"};
    struct Row { std::string product, unit, shop, date; int seq; long long price; };
    std::vector<Row> paid;
    unsigned state = 7;
    auto next = [&state](unsigned below) { state = state * 1103515245u + 12345u; return (state >> 16) % below; };
    for (int i = 0; i < 400; ++i) {
        // SeqNo runs against the insertion order within a day: stored order is no hint.
        Row row{products[next(4)], units[next(2)], shops[next(5)], "2024-0" + std::to_string(1 + next(3)) + "-1" +
                std::to_string(next(2)), 1000 - i, 100 + 10 * static_cast<long long>(next(50))};
        Paid(row.seq, row.product, row.unit, row.shop, row.date, row.price, 1, 1 + next(9));
        paid.push_back(row);
    }
    Sql("insert into ShoppingList_tbl values (2000,'과일','사과',1,'개',1,'',0,0,1,'2024-12-31',NULL,9,'Y')");
    Sql("insert into ShoppingList_tbl values (2001,'과일','사과',1,'개',1,'',0,0,1,NULL,'갑마트',9,'Y')");
    Planned(3000, "사과", "개", 1, 5, "2024-12-31");  // priced at 갑마트's date, not paid
    Sql("update ShoppingList_tbl set StoreName = '갑마트', Price = 5 where SeqNo = 3000");
    Planned(3001, "우유", "봉지", 2);
    Planned(3002, "쌀", "개", 1);
    Planned(3003, "쌀", "개", 4);  // the same pair twice
    Planned(3004, "소금", "개", 1);  // never paid

    std::set<std::pair<std::string, std::string>> plan = {{"사과", "개"}, {"우유", "봉지"}, {"쌀", "개"}};
    std::map<std::string, Row> last;  // product|unit|shop -> its latest paid row
    for (const Row& row : paid) {
        if (!plan.count({row.product, row.unit})) continue;
        Row& known = last.try_emplace(row.product + "|" + row.unit + "|" + row.shop, row).first->second;
        if (std::tie(row.date, row.seq) > std::tie(known.date, known.seq)) known = row;
    }
    std::vector<std::string> expected;
    for (const auto& [key, row] : last) {
        expected.push_back(key + "|" + row.date + "|" + std::to_string(row.seq) + "|" + std::to_string(row.price));
    }
    std::sort(expected.begin(), expected.end());
    ASSERT_EQ(expected.size(), 3u * 5u);

    for (bool older : {false, true}) {
        SCOPED_TRACE(older ? "without the prices' index" : "installed");
        if (older) Sql("DROP INDEX ShoppingList_PaidPrice");
        std::vector<PriceRecord> records;
        ASSERT_TRUE(NotebookQueries::LatestPrices(records));
        std::vector<std::string> read;
        for (const PriceRecord& r : records) {
            if (!plan.count({r.product.ToUtf8(), r.unit.ToUtf8()})) continue;
            read.push_back(r.product.ToUtf8() + "|" + r.unit.ToUtf8() + "|" + r.shop.ToUtf8() + "|" + r.date.ToUtf8() +
                           "|" + std::to_string(r.seqNo) + "|" + std::to_string(r.price));
        }
        std::sort(read.begin(), read.end());
        EXPECT_EQ(read, expected);
    }
}

TEST_F(CompanionTest, BasketCommandRefusesMisuseAndAMissingNotebook) {
    std::ostringstream out, err;
    EXPECT_EQ(BasketCommand::Run({"basket", "extra"}, out, err), 2);
    EXPECT_EQ(BasketCommand::Run({"basket", "--device-root", (root / "none").string()}, out, err), 1);
    EXPECT_NE(err.str().find("노트 파일이 없습니다"), std::string::npos);
    Planned(1, "사과", "개", 1);
    EXPECT_EQ(Basket(), "쇼핑점,합계,가격있음,품목수,가장오래된가격\n나눠사기,0,0,1,\n");
}

TEST_F(CompanionTest, BudgetsOfTheMonthPaidPricedAndLeft) {
    std::map<CString, long long> budgets;
    ASSERT_TRUE(BudgetBook::Read(budgets));  // a notebook without the table
    EXPECT_TRUE(budgets.empty());
    CString problem;
    for (const char16_t* bad : {u"", u"-1", u"12abc", u"2147483648", u"1.5"}) {
        EXPECT_FALSE(BudgetBook::Set(u"과일", bad, problem)) << CString(bad).ToUtf8();
    }
    // Refused amounts make no table, on either engine.
    EXPECT_EQ(Rows(device.Shared() ? "select count(*) from information_schema.tables where table_name='budget_tbl'"
                                   : "select count(*) from sqlite_master where name='Budget_tbl'"),
              "0\n");
    ASSERT_TRUE(BudgetBook::Set(u"과일", u"10000", problem));
    ASSERT_TRUE(BudgetBook::Set(u"과일", u" 3000 ", problem));  // changed, not doubled
    ASSERT_TRUE(BudgetBook::Set(u"채소", u"0", problem));
    ASSERT_TRUE(BudgetBook::Set(u"", u"2147483647", problem));
    ASSERT_TRUE(BudgetBook::Read(budgets));
    EXPECT_EQ(budgets.size(), 3u);
    EXPECT_EQ(budgets[u"과일"], 3000);

    Paid(1, "사과", "개", "갑마트", "2024-03-01", 2000, 1, 1, "과일");
    Paid(2, "사과", "개", "갑마트", "2024-02-29", 5000, 1, 1, "과일");  // last month
    Planned(3, "배", "개", 1, 400, "2024-03-15", "과일");                 // priced, unpaid
    Paid(4, "쌀", "kg", "을마트", "2024-03-02", 2000000000, 1, 2, "곡물");
    Paid(5, "쌀", "kg", "을마트", "2024-03-03", 2000000000, 1, 3, "곡물");
    std::vector<MonthBudget::Spent> spent;
    MonthBudget month;
    ASSERT_TRUE(BudgetBook::Spending(u"2024-03", spent));
    month.Compute(budgets, spent);
    ASSERT_EQ(month.Lines().size(), 2u);
    const MonthBudget::Line& fruit = month.Lines()[0];
    EXPECT_EQ(fruit.paid, 2000);
    EXPECT_EQ(fruit.priced, 400);
    EXPECT_EQ(fruit.Left(), 600);
    EXPECT_EQ(fruit.level, MonthBudget::Level::Near);  // 80 % of 3000 is 2400
    EXPECT_EQ(month.Lines()[1].level, MonthBudget::Level::Fine);  // a budget of 0, nothing spent
    EXPECT_EQ(month.Whole().paid, 4000002000LL);
    EXPECT_EQ(month.Whole().Left(), 2147483647LL - 4000002400LL);
    EXPECT_EQ(month.Whole().level, MonthBudget::Level::Over);

    ASSERT_TRUE(BudgetBook::Spending(u"2024-04", spent));  // nothing paid
    month.Compute(budgets, spent);
    EXPECT_EQ(month.Whole().paid + month.Whole().priced, 0);
    EXPECT_EQ(month.Lines()[0].Left(), 3000);
    EXPECT_EQ(month.Lines()[0].level, MonthBudget::Level::Fine);
}

TEST_F(CompanionTest, BuyAgainPutsATripBackWithTheNextKeysAndSkipsWhatIsPlanned) {
    Paid(5, "사과", "개", "갑마트", "2024-03-01", 1000, 3, 7);
    Paid(6, "우유", "병", "갑마트", "2024-03-01", 2500, 2, 7);
    Paid(9, "배", "개", "을마트", "2024-03-10", 700, 1, 8);
    Planned(8, "우유", "팩", 1);  // on the plan already, in another unit
    std::vector<BuyAgain::Trip> trips;
    ASSERT_TRUE(BuyAgain::RecentTrips(u"2024-01-01", 10, trips));
    ASSERT_EQ(trips.size(), 2u);
    EXPECT_EQ(trips[0].mgrNo, CString(u"8"));
    EXPECT_EQ(trips[1].items, 2);
    EXPECT_EQ(trips[1].amount, 3000 + 5000);

    BuyAgain::Outcome outcome;
    CString problem;
    ASSERT_TRUE(BuyAgain::PutBack(u"7", outcome, problem));
    EXPECT_EQ(outcome.added, 1);
    EXPECT_EQ(outcome.skipped, 1);
    EXPECT_EQ(BuyAgain::Said(outcome), CString(u"1개를 계획에 담았고 이미 있는 1개는 건너뛰었습니다."));
    EXPECT_EQ(Rows("select SeqNo,CategoryName,ProdName,ShpQty,UnitName,Price,CuponYN,CuponDcAmt,ShpAmount,ShpDate,"
                   "StoreName,MgrNo,PayYN from ShoppingList_tbl where SeqNo > 9"),
              "10|과일|사과|3|개|0|Y|100|0|||NULL|\n");  // '' in MgrNo is kept as NULL
    // A trip that is not there, or a trip number that is no number: nothing added.
    EXPECT_FALSE(BuyAgain::PutBack(u"99", outcome, problem));
    EXPECT_FALSE(BuyAgain::PutBack(u"7 or 1=1", outcome, problem));
    EXPECT_EQ(Rows("select count(*) from ShoppingList_tbl"), "5\n");
}

// The session follows a trip in the shopping items dialog as a person does it.
TEST_F(CompanionTest, SessionFollowsThePricingOfARowAndTheSave) {
    Paid(1, "사과", "개", "갑마트", "2024-03-01", 1000);
    Paid(2, "사과", "개", "을마트", "2024-03-02", 800);
    Planned(3, "사과", "개", 2);
    CString problem;
    ASSERT_TRUE(BudgetBook::Set(u"", u"5000", problem));
    CompanionSession session;
    int refreshes = 0;
    session.OnChanged([&] { ++refreshes; });
    StepDriver driver;
    CShopItemsDlg dialog;
    dialog.m_strShpDate = u"2024-03-15";
    dialog.m_strStoreName = u"갑마트";
    driver.Then([&](CDialog& top) {
        EXPECT_EQ(session.Shop(), CString(u"갑마트"));
        ASSERT_TRUE(DialogInput::TapRow(top, 1012, 0));
        ASSERT_TRUE(session.Memory().has_value());
        EXPECT_EQ(session.Memory()->Shops().size(), 2u);
        ASSERT_TRUE(DialogInput::TypeText(top, 1017, u"1200"));
        ASSERT_TRUE(DialogInput::MoveFocus(top, 1028));
        EXPECT_NE(session.Note().Find(u"지난 가격 1000원"), -1);
        EXPECT_NE(session.Note().Find(u"을마트의 지난 가격 800원보다 10% 넘게"), -1);
        EXPECT_EQ(session.Budget().Whole().priced, 0);
        ASSERT_TRUE(DialogInput::ClickButton(top, 1010));
        EXPECT_EQ(session.Budget().Whole().priced, 2400);
        EXPECT_EQ(session.Budget().Whole().paid, 1800);
        EXPECT_EQ(session.Budget().Whole().level, MonthBudget::Level::Near);
    });
    driver.Run(dialog);
    EXPECT_TRUE(session.Shop().IsEmpty());
    EXPECT_GE(refreshes, 3);
}

} // namespace
