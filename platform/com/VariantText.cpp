#include "platform/com/VariantText.h"

#include <charconv>
#include <cmath>

#include "platform/com/ExactDecimal.h"
#include "platform/shell/CivilDate.h"

namespace {

constexpr double kDaysFrom1899To1970 = 25569.0;
constexpr char16_t kWon = u'\u20A9';

} // namespace

std::u16string_view VariantText::Trimmed(std::u16string_view t) {
    while (!t.empty() && (t.front() == u' ' || t.front() == u'\t')) t.remove_prefix(1);
    while (!t.empty() && (t.back() == u' ' || t.back() == u'\t')) t.remove_suffix(1);
    return t;
}

std::u16string VariantText::Widen(std::string_view s) {
    std::u16string out;
    for (unsigned char c : s) out += static_cast<char16_t>(c);
    return out;
}

bool VariantText::PlainCurrencyText(std::u16string_view text, std::u16string& out) {
    text = Trimmed(text);
    out.assign(text);
    size_t won = text.find(kWon);
    if (won == std::u16string_view::npos) return true;
    out.clear();
    size_t i = 0;
    if (text.size() > 0 && text[0] == u'-') out += text[i++];
    if (won != i) return false;
    ++i;
    int group = 0;
    bool first = true;
    for (; i < text.size() && text[i] != u'.'; ++i) {
        char16_t c = text[i];
        if (c == u',') {
            if ((first && (group < 1 || group > 3)) || (!first && group != 3)) return false;
            first = false;
            group = 0;
        } else if (c >= u'0' && c <= u'9') {
            out += c;
            ++group;
        } else {
            return false;
        }
    }
    if (group == 0 || (!first && group != 3)) return false;
    out.append(text.substr(i));
    return true;
}

bool VariantText::Digits(std::u16string_view text, size_t at, size_t count, int& out) {
    if (at + count > text.size()) return false;
    out = 0;
    for (size_t i = at; i < at + count; ++i) {
        if (text[i] < u'0' || text[i] > u'9') return false;
        out = out * 10 + (text[i] - u'0');
    }
    return true;
}

HRESULT VariantText::DateFromText(std::u16string_view text, DATE& out) {
    text = Trimmed(text);
    int y = 0, m = 0, d = 0, hh = 0, mi = 0, ss = 0;
    if (!Digits(text, 0, 4, y) || text.size() < 10 || text[4] != u'-' || !Digits(text, 5, 2, m) || text[7] != u'-' ||
        !Digits(text, 8, 2, d)) {
        return DISP_E_TYPEMISMATCH;
    }
    if (y < 100 || !CivilDate{y, m, d}.Exists()) return DISP_E_TYPEMISMATCH;
    std::u16string_view rest = text.substr(10);
    if (!rest.empty()) {
        if (rest.front() != u' ') return DISP_E_TYPEMISMATCH;
        rest = Trimmed(rest);
        int half = -1;  // 0 morning, 1 afternoon, -1 the 24-hour clock
        if (rest.starts_with(u"오전") || rest.starts_with(u"오후")) {
            half = rest.starts_with(u"오후") ? 1 : 0;
            rest = Trimmed(rest.substr(2));
        }
        size_t colon = rest.find(u':');
        if (colon != 1 && colon != 2) return DISP_E_TYPEMISMATCH;
        if (!Digits(rest, 0, colon, hh) || !Digits(rest, colon + 1, 2, mi)) return DISP_E_TYPEMISMATCH;
        size_t end = colon + 3;
        if (end < rest.size()) {
            if (rest[end] != u':' || !Digits(rest, end + 1, 2, ss) || end + 3 != rest.size()) {
                return DISP_E_TYPEMISMATCH;
            }
        }
        if (half >= 0) {
            if (hh < 1 || hh > 12) return DISP_E_TYPEMISMATCH;
            hh = hh % 12 + 12 * half;
        }
        if (hh > 23 || mi > 59 || ss > 59) return DISP_E_TYPEMISMATCH;
    }
    double days = static_cast<double>(CivilDate{y, m, d}.DaysSince1970()) + kDaysFrom1899To1970;
    double time = (hh * 3600 + mi * 60 + ss) / 86400.0;
    // Before 1899-12-30 the time of day still counts away from zero.
    out = days < 0 ? days - time : days + time;
    return S_OK;
}

HRESULT VariantText::DateToText(DATE date, std::u16string& text) {
    if (!std::isfinite(date) || date <= kFirstDate - 1 || date >= kLastDate) return DISP_E_OVERFLOW;
    double whole = std::trunc(date);
    long long seconds = std::llround(std::fabs(date - whole) * 86400.0);
    long long day = static_cast<long long>(whole);
    if (seconds >= 86400) {
        ++day;
        seconds = 0;
    }
    CivilDate civil = CivilDate::FromDaysSince1970(day - static_cast<long long>(kDaysFrom1899To1970));
    text.clear();
    char buffer[32];
    // A time alone (day 0) shows only the time.
    if (day != 0 || seconds == 0) {
        auto put = [&](int v, int width) {
            auto [end, ec] = std::to_chars(buffer, buffer + sizeof buffer, v);
            (void)ec;
            for (int pad = width - static_cast<int>(end - buffer); pad > 0; --pad) text += u'0';
            text += Widen(std::string_view(buffer, end - buffer));
        };
        put(civil.year, 4);
        text += u'-';
        put(civil.month, 2);
        text += u'-';
        put(civil.day, 2);
    }
    if (seconds != 0) {
        int hour = static_cast<int>(seconds / 3600);
        int minute = static_cast<int>(seconds / 60 % 60);
        int second = static_cast<int>(seconds % 60);
        if (!text.empty()) text += u' ';
        text += hour < 12 ? u"오전 " : u"오후 ";
        text += Widen(std::to_string(hour % 12 == 0 ? 12 : hour % 12));
        text += minute < 10 ? u":0" : u":";
        text += Widen(std::to_string(minute));
        text += second < 10 ? u":0" : u":";
        text += Widen(std::to_string(second));
    }
    return S_OK;
}

std::u16string VariantText::CurrencyText(std::int64_t tenThousandths) {
    Int128 whole = tenThousandths;
    std::uint64_t magnitude = static_cast<std::uint64_t>((ExactDecimal::Abs(whole) + 5000) / 10000);
    std::u16string text = whole < 0 && magnitude > 0 ? u"-" : u"";
    text += kWon;
    text += GroupThousands(magnitude);
    return text;
}

std::u16string VariantText::GroupThousands(std::uint64_t magnitude) {
    std::u16string digits;
    do {
        digits.insert(digits.begin(), static_cast<char16_t>(u'0' + magnitude % 10));
        magnitude /= 10;
    } while (magnitude > 0);
    for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) digits.insert(at, u",");
    return digits;
}
