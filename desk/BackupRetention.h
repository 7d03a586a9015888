#pragma once
// Which backups are kept: the last 3 of today, the last of each of the 14
// days before, and the last of each of the 12 months up to this one; the
// others go. A backup from after `now` (the clock was set back) is kept, and
// the copies a restore keeps are no part of the rule: they stay until a
// person removes them.

#include <vector>

#include "desk/BackupName.h"

class BackupRetention {
public:
    static constexpr int kToday = 3;
    static constexpr int kDays = 14;
    static constexpr int kMonths = 12;

    // The ones of `backups` to remove, at the time `now`.
    static std::vector<BackupName> ToRemove(std::vector<BackupName> backups, const BackupName& now);
};
