#pragma once

#include <QDialog>
#include <QStringList>

#include <memory>

class DBItemCollection;
class QPainter;
class QPrinter;

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
    static constexpr int GroupNameWidth = 25;
    static constexpr int CountWidth = 4;
    static constexpr int AmountWidth = 9;
    static constexpr int PrintMargin = 200;

    explicit ReportDialog(const DBItemCollection& collection, QWidget* parent = nullptr);
    ~ReportDialog() override;

    // What is printed below the header: the sorted group lines, the dash line and the total line.
    const QStringList& reportLines() const;
    // The number of records, printed last.
    const QString& countLine() const;
    // Prints the report on a printer that is already set up; false when it cannot be painted on.
    bool printReport(QPrinter& printer) const;

public Q_SLOTS:
    void report_slot();

private:
    QString groupLine(const QString& name, qint64 count, double value, double priceSum, double priceTodaySum) const;
    void PrintHeader(QPainter& painter, int& offset) const;
    static void printLine(QPainter& painter, int& offset, QString line);

    const std::unique_ptr<Ui::ReportDialogBase> m_ui;
    QStringList m_reportLines;
    QString m_countLine;
};
