#pragma once
// The name of a backup tells when it was made, in local time, to the second:
// cartavel-YYYYMMDD-HHMMSS.cdb, and cartavel-YYYYMMDD-HHMMSS-before-restore.cdb
// for the copy of the notebook that a restore keeps first; a shared
// notebook's backups are its JSON exports, named the same with .json.

#include <optional>
#include <string>

#include "platform/shell/CivilDate.h"

struct BackupName {
    CivilDate date;
    int hour = 0, minute = 0, second = 0;
    bool beforeRestore = false;
    bool json = false;

    // The local time of a clock reading.
    static BackupName At(long long unixSeconds, bool beforeRestore = false);
    // The name's parts, or nothing for a name that is no backup's.
    static std::optional<BackupName> Parse(const std::string& fileName);

    std::string FileName() const;
    // "YYYY-MM-DD HH:MM:SS", for people.
    std::string Time() const;
    // Seconds since 1970 as if the local time were UTC: for ordering only.
    long long Order() const { return date.DaysSince1970() * 86400 + hour * 3600 + minute * 60 + second; }
};
