#pragma once
// One unpaid row of the plan as the basket prices it.

#include "platform/framework/CString.h"

struct PlanRow {
    CString product;
    CString unit;
    int quantity = 0;
};
