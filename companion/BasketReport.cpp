#include "companion/BasketReport.h"

#include "companion/NotebookQueries.h"
#include "data/CNumberRules.h"
#include "desk/CsvField.h"

namespace {

std::string Line(const std::string& first, const BasketComparison::Line& line) {
    return first + "," + CsvField::Number(CNumberRules::Text(line.total).ToUtf8()) + "," +
           CsvField::Number(std::to_string(line.covered)) + "," + CsvField::Number(std::to_string(line.rows)) + "," +
           CsvField::Text(line.oldest.ToUtf8()) + CsvField::kLineEnd;
}

} // namespace

bool BasketReport::Compare(BasketComparison& basket, CString& problem) {
    std::vector<PlanRow> plan;
    std::vector<PriceRecord> records;
    if (!NotebookQueries::Plan(plan) || !NotebookQueries::LatestPrices(records)) {
        problem = u"노트를 읽지 못했습니다.";
        return false;
    }
    LastPrices prices;
    for (const PriceRecord& record : records) prices.Add(record);
    if (!basket.Compute(plan, prices)) {
        problem = basket.Problem();
        return false;
    }
    return true;
}

std::string BasketReport::Csv(const BasketComparison& basket) {
    std::string csv = "\xEF\xBB\xBF";
    csv += std::string("쇼핑점,합계,가격있음,품목수,가장오래된가격") + CsvField::kLineEnd;
    for (const BasketComparison::Line& line : basket.Shops()) csv += Line(CsvField::Text(line.shop.ToUtf8()), line);
    csv += Line("나눠사기", basket.Split());
    return csv;
}
