#include "desk/BackupRetention.h"

#include <algorithm>
#include <set>

namespace {

long long MonthIndex(const CivilDate& date) {
    return static_cast<long long>(date.year) * 12 + date.month - 1;
}

} // namespace

std::vector<BackupName> BackupRetention::ToRemove(std::vector<BackupName> backups, const BackupName& now) {
    // Newest first: the first one met in a day or a month is its last.
    std::sort(backups.begin(), backups.end(), [](const BackupName& a, const BackupName& b) { return a.Order() > b.Order(); });
    long long today = now.date.DaysSince1970();
    long long thisMonth = MonthIndex(now.date);
    int keptToday = 0;
    std::set<long long> daysKept, monthsKept;
    std::vector<BackupName> removed;
    for (const BackupName& backup : backups) {
        if (backup.beforeRestore) continue;
        long long day = backup.date.DaysSince1970();
        long long month = MonthIndex(backup.date);
        bool keep = false;
        if (backup.Order() > now.Order()) keep = true;
        else if (day == today && keptToday < kToday) keep = true, ++keptToday;
        if (!keep && day < today && today - day <= kDays && !daysKept.count(day)) keep = true;
        if (!keep && thisMonth - month < kMonths && !monthsKept.count(month)) keep = true;
        // The last of a day or a month stands for it, however it was kept.
        if (keep) {
            daysKept.insert(day);
            monthsKept.insert(month);
        } else {
            removed.push_back(backup);
        }
    }
    return removed;
}
