#pragma once
// What a notebook holds, in the figures a person recognises it by: the paid
// trips, the items, the last trip's date and the total paid.

#include <string>

class Database;

struct NotebookSummary {
    long long trips = 0;
    long long items = 0;      // every row of the list: planned, bought and paid
    std::string lastTripDate;  // empty when nothing was paid
    long long totalPaid = 0;

    static NotebookSummary Read(Database& db);
};
