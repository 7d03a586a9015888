#include "data/CNumberRules.h"

#include <charconv>
#include <climits>

#include "data/CDataLoader.h"
#include "platform/framework/CListCtrl.h"

int CNumberRules::LeadingValue(const CString& text) {
    return _ttoi(text);
}

std::optional<int> CNumberRules::TypedValue(const CString& text) {
    int i = 0;
    const int nLength = text.GetLength();
    while (i < nLength && CString::IsWhiteSpace(text[i])) ++i;
    const bool bNegative = i < nLength && text[i] == u'-';
    if (i < nLength && (text[i] == u'-' || text[i] == u'+')) ++i;
    long long nValue = 0;
    for (; i < nLength && text[i] >= u'0' && text[i] <= u'9'; ++i) {
        nValue = nValue * 10 + (text[i] - u'0');
        // One past INT_MAX is still needed for INT_MIN; beyond that no digit
        // can bring the value back.
        if (nValue > static_cast<long long>(INT_MAX) + 1) return std::nullopt;
    }
    if (bNegative) nValue = -nValue;
    if (!FitsInt(nValue)) return std::nullopt;
    return static_cast<int>(nValue);
}

bool CNumberRules::FitsInt(long long value) {
    return value >= INT_MIN && value <= INT_MAX;
}

bool CNumberRules::NormaliseWholeNumber(CString& strValue) {
    CString strTrimmed = strValue;
    strTrimmed.Trim();
    if (strTrimmed.IsEmpty()) {
        strValue.Empty();
        return true;
    }
    const int nLength = strTrimmed.GetLength();
    int i = (strTrimmed[0] == u'-' || strTrimmed[0] == u'+') ? 1 : 0;
    if (i == nLength) return false;
    long long nValue = 0;
    for (; i < nLength; ++i) {
        if (strTrimmed[i] < u'0' || strTrimmed[i] > u'9') return false;
        nValue = nValue * 10 + (strTrimmed[i] - u'0');
        // Stop before the value can leave 64 bits; one past INT_MAX is
        // still needed for INT_MIN.
        if (nValue > static_cast<long long>(INT_MAX) + 1) return false;
    }
    if (strTrimmed[0] == u'-') nValue = -nValue;
    if (!FitsInt(nValue)) return false;
    strValue = Text(nValue);
    return true;
}

std::optional<int> CNumberRules::Amount(int nQty, int nPrice, int nDiscount) {
    long long nResult = static_cast<long long>(nQty) * nPrice - nDiscount;
    if (!FitsInt(nResult)) return std::nullopt;
    return static_cast<int>(nResult);
}

std::optional<int> CNumberRules::Discount(int nQty, int nCouponPerUnit) {
    long long nResult = static_cast<long long>(nQty) * nCouponPerUnit;
    if (!FitsInt(nResult)) return std::nullopt;
    return static_cast<int>(nResult);
}

std::optional<int> CNumberRules::UnitPrice(int nAmount, int nDiscount, int nQty) {
    if (nQty == 0) return std::nullopt;
    long long nResult = (static_cast<long long>(nAmount) + nDiscount) / nQty;
    if (!FitsInt(nResult)) return std::nullopt;
    return static_cast<int>(nResult);
}

std::optional<int> CNumberRules::Amount(std::optional<int> nQty, std::optional<int> nPrice,
                                        std::optional<int> nDiscount) {
    if (!nQty || !nPrice || !nDiscount) return std::nullopt;
    return Amount(*nQty, *nPrice, *nDiscount);
}

std::optional<int> CNumberRules::Discount(std::optional<int> nQty, std::optional<int> nCouponPerUnit) {
    if (!nQty || !nCouponPerUnit) return std::nullopt;
    return Discount(*nQty, *nCouponPerUnit);
}

std::optional<int> CNumberRules::UnitPrice(std::optional<int> nAmount, std::optional<int> nDiscount,
                                           std::optional<int> nQty) {
    if (!nAmount || !nDiscount || !nQty) return std::nullopt;
    return UnitPrice(*nAmount, *nDiscount, *nQty);
}

CString CNumberRules::Text(std::optional<int> value) {
    return value ? Text(static_cast<long long>(*value)) : CString();
}

CString CNumberRules::Text(long long value) {
    char buffer[24];
    auto end = std::to_chars(buffer, buffer + sizeof buffer, value).ptr;
    return CString(std::u16string(buffer, end));
}

CString CNumberRules::TextOrEmptyWhenZero(long long value) {
    return value == 0 ? CString() : Text(value);
}

long long CNumberRules::SumColumn(const CListCtrl& list, int nColumn) {
    long long nSum = 0;
    const int nRows = list.GetItemCount();
    for (int i = 0; i < nRows; ++i) nSum += LeadingValue(list.GetItemText(i, nColumn));
    return nSum;
}

CString CNumberRules::FirstField(const CString& strRow) {
    int nEnd = strRow.Find(CDataLoader::kFieldEnd);
    return nEnd < 0 ? strRow : strRow.Left(nEnd);
}

bool CNumberRules::NextKey(const CString& strFirstRow, CString& strKey) {
    long long nNext = static_cast<long long>(LeadingValue(FirstField(strFirstRow))) + 1;
    if (!FitsInt(nNext)) return false;
    strKey = Text(nNext);
    return true;
}
