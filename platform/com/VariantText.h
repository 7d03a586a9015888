#pragma once
// The texts of dates and of money, in the one form a Korean device writes and
// reads (described in Variant.h): "2024-03-05 오후 3:04:05" and "-₩1,235". It
// turns automation dates into such texts and back, writes whole won, and
// brings a text in the currency form back to a plain number.
//
// It does not read or write plain numbers (ExactDecimal does), knows the
// calendar only through CivilDate, and never looks at the host's locale.

#include <cstdint>
#include <string>
#include <string_view>

#include "platform/com/Variant.h"

class VariantText {
public:
    // The dates the platform knows: from 0100-01-01 to 9999-12-31, as days
    // since 1899-12-30; kLastDate is the first day past them.
    static constexpr double kFirstDate = -657434.0;
    static constexpr double kLastDate = 2958466.0;

    // "YYYY-MM-DD", optionally followed by blanks and a time: "H:MM[:SS]" on
    // the 24-hour clock, or "오전 h:mm[:ss]" / "오후 h:mm[:ss]".
    static HRESULT DateFromText(std::u16string_view text, DATE& out);
    static HRESULT DateToText(DATE date, std::u16string& text);
    // "₩1,234.5" and "-₩1,234" as the plain number "1234.5", "-1234"; false
    // when the won sign is there but the digit groups are wrong. A text
    // without the won sign is left as it is (trimmed).
    static bool PlainCurrencyText(std::u16string_view text, std::u16string& out);
    // Whole won, half a won rounded away from zero: "₩1,235", "-₩50", "₩0".
    static std::u16string CurrencyText(std::int64_t tenThousandths);

    // Without the blanks and tabs at either end.
    static std::u16string_view Trimmed(std::u16string_view text);
    static std::u16string Widen(std::string_view ascii);

private:
    // Reads exactly `count` digits at text[at].
    static bool Digits(std::u16string_view text, size_t at, size_t count, int& out);
    static std::u16string GroupThousands(std::uint64_t magnitude);
};
