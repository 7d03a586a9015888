#pragma once
// What the shopping companion shows, kept current by following the device
// program through the framework: the product of the row chosen in the plan
// or in the shopping items, the shop of the trip, a note on a unit price just
// left, and after every button's handler (a save, a payment, an undo) the
// notebook read again. It knows no screen; the panel draws what it holds.

#include <functional>
#include <optional>

#include "companion/BasketComparison.h"
#include "companion/BuyAgain.h"
#include "companion/MonthBudget.h"
#include "companion/PriceMemory.h"
#include "desk/ReportPeriod.h"
#include "platform/framework/DialogWatcher.h"

class CDialog;

class CompanionSession : public DialogWatcher {
public:
    enum Part { kBasket = 1, kTrips = 2 };

    CompanionSession();
    ~CompanionSession() override;

    // Called after every refresh, for the screen to draw again.
    void OnChanged(std::function<void()> changed) { m_changed = std::move(changed); }
    // The parts beyond price memory and budget that are read on each
    // refresh (those the screen shows now).
    void Watch(int parts) { m_parts = parts; }
    // Reads what is shown again; the month is YYYY-MM, today's when empty.
    void Refresh();
    void ShowMonth(const CString& month);
    // The budget's month one back (-1) or forth (+1), within 1000-01 to
    // 9999-12; false, nothing read, at either end.
    bool StepMonth(int direction);
    bool CanStepMonth(int direction) const;

    const std::optional<PriceMemory>& Memory() const { return m_memory; }
    const CString& Shop() const { return m_shop; }
    const CString& Note() const { return m_note; }
    const CString& Month() const { return m_month; }
    const MonthBudget& Budget() const { return m_budget; }
    const BasketComparison& Basket() const { return m_basket; }
    const std::vector<BuyAgain::Trip>& Trips() const { return m_trips; }
    // What went wrong in the last refresh; empty when all was read.
    const CString& Problem() const { return m_problem; }

    void DialogOpened(CDialog& dialog) override;
    void DialogEnded(CDialog& dialog) override;
    void RowChosen(CDialog& dialog, int nListId, int nRow) override;
    void FieldLeft(CDialog& dialog, int nEditId) override;
    void CommandDone(CDialog& dialog, int nID) override;

private:
    void Remember(const CString& product, const CString& unit);
    void ReadMemory();
    void Fail(const CString& what);
    static CString Today();
    ReportPeriod ShownMonth() const;

    std::function<void()> m_changed;
    int m_parts = 0;
    CString m_product;
    CString m_unit;
    CString m_shop;
    CString m_note;
    CString m_month;
    CString m_problem;
    std::optional<PriceMemory> m_memory;
    MonthBudget m_budget;
    BasketComparison m_basket;
    std::vector<BuyAgain::Trip> m_trips;
};
