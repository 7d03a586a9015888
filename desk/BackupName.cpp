#include "desk/BackupName.h"

#include <cstdio>
#include <ctime>
#include <regex>

BackupName BackupName::At(long long unixSeconds, bool beforeRestore) {
    std::time_t time = static_cast<std::time_t>(unixSeconds);
    std::tm local{};
    localtime_r(&time, &local);
    BackupName name;
    name.date = CivilDate{local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
    name.hour = local.tm_hour;
    name.minute = local.tm_min;
    name.second = std::min(local.tm_sec, 59);  // a leap second is the one before
    name.beforeRestore = beforeRestore;
    return name;
}

std::optional<BackupName> BackupName::Parse(const std::string& fileName) {
    static const std::regex form("cartavel-(\\d{4})(\\d{2})(\\d{2})-(\\d{2})(\\d{2})(\\d{2})(-before-restore)?\\.(cdb|json)");
    std::smatch match;
    if (!std::regex_match(fileName, match, form)) return std::nullopt;
    auto number = [&](int i) { return std::stoi(match[i].str()); };
    BackupName name;
    name.date = CivilDate{number(1), number(2), number(3)};
    name.hour = number(4);
    name.minute = number(5);
    name.second = number(6);
    name.beforeRestore = match[7].matched;
    name.json = match[8].str() == "json";
    if (!name.date.Exists() || name.hour > 23 || name.minute > 59 || name.second > 59) return std::nullopt;
    return name;
}

std::string BackupName::FileName() const {
    char text[64];
    std::snprintf(text, sizeof text, "cartavel-%.4d%.2d%.2d-%.2d%.2d%.2d%s.%s", date.year, date.month, date.day, hour,
                  minute, second, beforeRestore ? "-before-restore" : "", json ? "json" : "cdb");
    return text;
}

std::string BackupName::Time() const {
    char text[32];
    std::snprintf(text, sizeof text, "%.4d-%.2d-%.2d %.2d:%.2d:%.2d", date.year, date.month, date.day, hour, minute,
                  second);
    return text;
}
