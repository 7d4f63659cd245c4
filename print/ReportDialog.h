#pragma once

#include <QDialog>
#include <QStringList>

#include <memory>
#include <vector>

class DBItemCollection;
class QPagedPaintDevice;

namespace Ui {
class ReportDialogBase;
}

// The group summary: per group the number of items, their total value and the sum of their
// prices today, then the totals over the whole database, shown in a window that can print them.
// The figures are worked out once, when the window opens.
class ReportDialog : public QDialog
{
    Q_OBJECT

public:
    // The least widths of the window's columns, in characters; wider names and figures widen them.
    static constexpr int GroupNameWidth = 25;
    static constexpr int CountWidth = 4;
    static constexpr int AmountWidth = 9;
    static constexpr qreal PointSize = 12.0;
    // The smallest font the printout goes down to before it breaks long group names.
    static constexpr qreal SmallestPointSize = 6.0;

    explicit ReportDialog(const DBItemCollection& collection, QWidget* parent = nullptr);
    ~ReportDialog() override;

    // What is printed below the header: the sorted group lines, the dash line and the total line.
    const QStringList& reportLines() const;
    // The number of records, printed last.
    const QString& countLine() const;
    // Paints the report on the device, over as many pages as it takes, the heading on each; false
    // when the device cannot be painted on. pages, when given, is told how many were printed.
    bool printReport(QPagedPaintDevice& device, int* pages = nullptr) const;

public Q_SLOTS:
    void report_slot();
    void preview_slot();

private:
    // The values a group line puts into its text: the name, then the figures.
    using Values = QStringList;
    Values lineValues(const QString& name, qint64 count, double value, double priceSum, double priceTodaySum) const;
    QString lineTemplate() const;
    QString formatLine(const Values& values) const;
    QStringList captions() const;
    void print(bool preview);

    const std::unique_ptr<Ui::ReportDialogBase> m_ui;
    std::vector<Values> m_groupValues;
    Values m_totalValues;
    // The width of each value in the window's text, in characters, and the least width.
    std::vector<int> m_widths;
    std::vector<int> m_leastWidths;
    QStringList m_reportLines;
    QString m_countLine;
};
