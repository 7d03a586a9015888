#pragma once
// One chart of the reports window: its period with ◀ ▶ (months or years,
// as the statistics step them), the chart, beside it the table of the same
// numbers (the keyboard walks it), and the export of the numbers as CSV and
// of the picture as PNG and SVG. A page reads the notebook afresh at every
// refresh; what it draws and tabulates is its kind's own (Draw).

#include <QStringList>
#include <QWidget>
#include <filesystem>
#include <functional>
#include <vector>

#include "desk/ChartTable.h"
#include "desk/ReportPeriod.h"

class ChartTableModel;
class Database;
class QChart;
class QChartView;
class QComboBox;
class QGraphicsSimpleTextItem;
class QHBoxLayout;
class QLabel;
class QPushButton;
class QSplitter;
class QTableView;

class ReportPage : public QWidget {
public:
    enum class Periods { MonthOrYear, YearOnly, YearOrAll };

    ReportPage(std::filesystem::path notebook, Periods periods, QWidget* parent);
    ~ReportPage() override;

    // Reads the notebook and draws; a failure shows in the page's line.
    void Refresh();
    const ReportPeriod& Period() const { return m_period; }
    // Every period when the page offers it and the person chose it.
    bool WholeHistory() const;
    void SetPeriod(const ReportPeriod& period);
    void SetWholeHistory(bool whole);
    bool Step(int direction);

    QChart& Chart() const { return *m_chart; }
    QChartView& View() const { return *m_view; }
    QTableView& TableView() const { return *m_tableView; }
    const ChartTable& Table() const;
    const QString& Failure() const { return m_failure; }

    // The exports; false with Failure() set when the file was not written.
    bool ExportCsv(const QString& file, bool cp949);
    bool ExportPng(const QString& file);
    bool ExportSvg(const QString& file);

protected:
    // Clears the chart, draws the kind's series of the period and returns
    // the table of their numbers.
    virtual ChartTable Draw(Database& db, QChart& chart, bool dark) = 0;
    // The bar above the chart, for a page's own choices.
    QHBoxLayout& Bar() const { return *m_bar; }
    // A text in the chart, placed anew whenever the plot area moves (the
    // totals above bars, the total in a donut's middle). Cleared at every
    // refresh.
    void Label(const QString& text, std::function<QPointF()> centre, bool bold = false);
    // The same with shorter forms (longest first) for a place `room` wide
    // (a bar's column): each placing takes the first form that fits the
    // room, else the shortest, as long as it shares no column with a label
    // placed before it; else none (the table beside has every number).
    void Label(const QStringList& forms, std::function<QPointF()> centre, std::function<qreal()> room);
    const std::filesystem::path& Notebook() const { return m_notebook; }
    // The row of the table that has the keyboard now (-1: none).
    virtual void Focused(int row) { (void)row; }
    // A line below the chart, for what the person should read now.
    void Note(const QString& text);
    QSplitter& Split() const { return *m_split; }
    static QString Won(long long amount);
    // In 만원 with one decimal ("123.5만"), for where the full amount has no
    // room.
    static QString TenThousands(long long amount);
    void changeEvent(QEvent* event) override;

private:
    void ChooseExport(const QString& kind);
    void PlaceLabels();
    void ShowPeriod();

    std::filesystem::path m_notebook;
    ReportPeriod m_period;
    Periods m_periods;
    QHBoxLayout* m_bar;
    QComboBox* m_mode = nullptr;
    QPushButton* m_prev;
    QPushButton* m_next;
    QLabel* m_periodLabel;
    QLabel* m_status;
    QChart* m_chart;
    QChartView* m_view;
    QTableView* m_tableView;
    QSplitter* m_split;
    ChartTableModel* m_model;
    struct Placed {
        QGraphicsSimpleTextItem* item;
        QStringList forms;
        std::function<QPointF()> centre;
        std::function<qreal()> room;
    };
    std::vector<Placed> m_labels;
    QString m_failure;
    bool m_refreshing = false;
};
