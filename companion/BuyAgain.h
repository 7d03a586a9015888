#pragma once
// Buying again what a past trip bought: the recent trips, and a trip's items
// put back on the plan as planned rows, as bought (category, product,
// quantity, unit, coupon as stored, nothing priced). A product already on
// the plan is skipped. The new rows take their keys by the plan's rule, the
// largest SeqNo plus one, read and stored in one write transaction, so all of
// them are added or none.

#include <vector>

#include "platform/framework/CString.h"

class BuyAgain {
public:
    struct Trip {
        CString mgrNo;
        CString date;
        CString shop;
        int items = 0;
        long long amount = 0;
    };
    struct Outcome {
        int added = 0;
        int skipped = 0;
    };

    // The trips paid on or after `from` (YYYY-MM-DD), the latest first, at
    // most `most` of them.
    static bool RecentTrips(const CString& from, int most, std::vector<Trip>& trips);
    // False with `problem` said, and nothing added, when it could not be done.
    static bool PutBack(const CString& mgrNo, Outcome& outcome, CString& problem);
    static CString Said(const Outcome& outcome);
};
