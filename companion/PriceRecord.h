#pragma once
// One paid item as the price memory sees it: what, in which unit, where,
// when, and at what unit price. SeqNo orders two purchases of one day.

#include "platform/framework/CString.h"

struct PriceRecord {
    CString product;
    CString unit;
    CString shop;
    CString date;  // YYYY-MM-DD
    int seqNo = 0;
    int price = 0;

    // The later of two purchases: the later date, then the higher SeqNo.
    bool IsLaterThan(const PriceRecord& other) const {
        return date != other.date ? date > other.date : seqNo > other.seqNo;
    }
};
