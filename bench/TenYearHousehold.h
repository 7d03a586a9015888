#pragma once
// A household's database after years of use, made the same way every time
// (a fixed seed): paid trips spread evenly over the years 2015 to 2024 in
// date order, then the unpaid rows, half planned and half priced.
//   The full household: 60,000 paid items in about 5,000 trips, 300 unpaid
//   rows (200 planned, 100 priced), 40 categories, 800 products, 10 units and
//   15 shops. The growth runs use the same household with a tenth of the
//   history.

#include <filesystem>
#include <string>
#include <vector>

struct sqlite3;
class Dice;

class TenYearHousehold {
public:
    static constexpr int kPaidItems = 60000;
    static constexpr int kPlanned = 200;
    static constexpr int kPriced = 100;
    static constexpr int kCategories = 40;
    static constexpr int kProducts = 800;
    static constexpr int kUnits = 10;
    static constexpr int kShops = 15;

    struct Made {
        int trips = 0;
        int firstUnpaidSeqNo = 0;  // the unpaid rows follow the paid ones
    };

    static constexpr int kLastYear = 2024;

    // Installs a device under `root` and fills its database; the trips
    // spread over the `years` that end with 2024 (a century for the growth
    // of the reports, at the same density as ten years).
    static Made Make(const std::filesystem::path& root, int paidItems, int years = 10);

    // Runs SQL straight on a database file; ends the benchmark on failure.
    static void Run(const std::filesystem::path& file, const std::string& sql);
    static std::string FirstValue(const std::filesystem::path& file, const std::string& sql);

private:
    // The trips of `sizes`, then the unpaid rows; all statements are done
    // when it returns, so that the file can be closed.
    static void AddItems(sqlite3* db, const std::vector<int>& sizes, Dice& dice, Made& made, int years);
};
