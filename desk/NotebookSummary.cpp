#include "desk/NotebookSummary.h"

#include "desk/Database.h"

NotebookSummary NotebookSummary::Read(Database& db) {
    NotebookSummary summary;
    // A trip is its number together with its date, as the search shows it.
    summary.trips = db.Number(
        "SELECT count(*) FROM (SELECT DISTINCT MgrNo, ShpDate FROM ShoppingList_tbl WHERE PayYN = 'Y')");
    summary.items = db.Number("SELECT count(*) FROM ShoppingList_tbl");
    summary.lastTripDate = db.Text("SELECT max(ShpDate) FROM ShoppingList_tbl WHERE PayYN = 'Y'");
    // Summed in 64 bits: ten years of amounts outgrow the device's 32.
    summary.totalPaid = db.Number("SELECT total(ShpAmount) FROM ShoppingList_tbl WHERE PayYN = 'Y'");
    return summary;
}
