#pragma once
// The shopping companion beside the device's screen: four pages (가격 기억,
// 장바구니 비교, 예산, 다시 담기) that draw what the session holds. The
// session follows the program; this only draws it and takes the budget and
// buy-again requests.

#include <QWidget>
#include <memory>

#include "companion/CompanionSession.h"

class QLabel;
class QLineEdit;
class QComboBox;
class QPushButton;
class QTabWidget;
class QTableWidget;

class CompanionPanel : public QWidget {
public:
    explicit CompanionPanel(QWidget* parent = nullptr);
    ~CompanionPanel() override;

    CompanionSession& Session() { return *m_session; }

protected:
    void changeEvent(QEvent* event) override;

private:
    void ShowProblemsInRed();
    QWidget* MemoryPage();
    QWidget* BasketPage();
    QWidget* BudgetPage();
    QWidget* TripsPage();
    void WatchShownPage();
    void Draw();
    void DrawMemory();
    void DrawBasket();
    void DrawBudget();
    void DrawTrips();
    void SetBudget();
    void PutBack();

    std::unique_ptr<CompanionSession> m_session;
    QTabWidget* m_tabs = nullptr;
    QLabel* m_memoryHead = nullptr;
    QLabel* m_note = nullptr;
    QTableWidget* m_memory = nullptr;
    QLabel* m_basketHead = nullptr;
    QTableWidget* m_basket = nullptr;
    QLabel* m_budgetHead = nullptr;
    QPushButton* m_budgetBack = nullptr;
    QPushButton* m_budgetForth = nullptr;
    QTableWidget* m_budget = nullptr;
    QComboBox* m_budgetCategory = nullptr;
    QLineEdit* m_budgetAmount = nullptr;
    QLabel* m_budgetSaid = nullptr;
    QLabel* m_budgetWarnings = nullptr;
    QTableWidget* m_trips = nullptr;
    QLabel* m_tripsSaid = nullptr;
    QLabel* m_problem = nullptr;
};
