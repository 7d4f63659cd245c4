#include "ReportDialog.h"

#include "ui_ReportDialogBase.h"

#include "DBItemCollection.h"
#include "ItemListView.h"
#include "MessageBoxes.h"
#include "PrintDialogs.h"
#include "ProgramVariant.h"

#include <QDebug>
#include <QFont>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <vector>

namespace {

const QString DashLine = QString(57, u'-') + u'\n';

QString caption(int column)
{
    return QString::fromLatin1(ItemListView::columnHeaderText(column));
}

QString amount(double value)
{
    return fixedText(value, 1).rightJustified(ReportDialog::AmountWidth);
}

QFont fixedFont(const QString& family, int pointSize, int weight)
{
    QFont font(family, pointSize, weight);
    // Keeps the columns lined up where the named family is not installed.
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

struct GroupFigures
{
    qint64 units = 0;
    double value = 0.0;
    double priceSum = 0.0;
    double priceTodaySum = 0.0;
};

} // namespace

ReportDialog::ReportDialog(const DBItemCollection& collection, QWidget* parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::ReportDialogBase>())
{
    m_ui->setupUi(this);
    setFont(fixedFont(QStringLiteral("courier"), 10, QFont::Normal));
    connect(m_ui->buttonOk, &QPushButton::clicked, this, &ReportDialog::accept);
    connect(m_ui->reportPushButton, &QPushButton::clicked, this, &ReportDialog::report_slot);

    QPlainTextEdit* view = m_ui->reportMultiLineEdit;
    // The captions are put in with one arg() call each, so a caption holding "%2" stays as it is.
    if (isPictova())
        view->appendPlainText(
            QStringLiteral("-------%1-------------------%3----%4").arg(caption(0), caption(5), caption(6)) + u'\n');
    else
        view->appendPlainText(
            QStringLiteral("-------%1----------------%2---%3----%4").arg(caption(0), caption(4), caption(5), caption(6))
            + u'\n');

    // One pass over the items for all groups; the figures are those of the collection's
    // itemCount() and total() per group, summed in the same order.
    const LookupList& groups = collection.groups();
    std::vector<GroupFigures> figures(size_t(groups.size()));
    for (const auto& item : collection.items()) {
        const int group = item->type();
        if (group < 0 || group >= groups.size())
            continue;
        GroupFigures& sums = figures[size_t(group)];
        sums.units += item->number_of_items();
        sums.value += item->value();
        sums.priceSum += item->price();
        sums.priceTodaySum += item->priceToday();
    }

    QStringList groupLines;
    for (int group = 0; group < groups.size(); ++group) {
        // An empty entry is a group nobody uses any more; the groups after it keep their numbers.
        if (groups.at(group).isEmpty())
            continue;
        const GroupFigures& sums = figures[size_t(group)];
        groupLines.append(groupLine(groups.at(group), sums.units, sums.value, sums.priceSum, sums.priceTodaySum));
    }
    std::stable_sort(groupLines.begin(), groupLines.end());
    for (const QString& line : std::as_const(groupLines))
        view->appendPlainText(line);
    view->appendPlainText(DashLine);

    m_reportLines = groupLines;
    m_reportLines.append(DashLine);
    const int all = DBItemCollection::AllGroups;
    const QString totalLine
        = groupLine(tr("FUNI_TOTAL_TEXT"), collection.itemCount(all, true), collection.total(all, false, false),
                    collection.total(all, false, true), collection.total(all, true, false));
    m_reportLines.append(totalLine);
    view->appendPlainText(totalLine);

    m_countLine = tr("FUNI_COUNT_TEXT").arg(collection.count());
    view->appendPlainText(m_countLine);
}

ReportDialog::~ReportDialog() = default;

const QStringList& ReportDialog::reportLines() const
{
    return m_reportLines;
}

const QString& ReportDialog::countLine() const
{
    return m_countLine;
}

QString ReportDialog::groupLine(const QString& name, qint64 count, double value, double priceSum,
                                double priceTodaySum) const
{
    // Each language arranges the columns in its own text; the values come ready formatted and
    // go in with one arg() call, so a group name holding "%2" is printed as it is.
    const QString paddedName = name.leftJustified(GroupNameWidth);
    if (isPictova())
        return tr("PICTOVA_GROUP_LINE_TEXT").arg(paddedName, amount(priceSum), amount(priceTodaySum));
    return tr("FUNI_GROUP_LINE_TEXT")
        .arg(paddedName, QString::number(count).rightJustified(CountWidth), amount(value), amount(priceTodaySum));
}

void ReportDialog::report_slot()
{
    QPrinter printer(QPrinter::ScreenResolution);
    if (!PrintDialogs::ask(this, &printer))
        return;
    if (!printReport(printer))
        MessageBoxes::critical(this, tr("PRINT_FAILED_TITLE"), tr("PRINT_FAILED_TEXT"));
}

bool ReportDialog::printReport(QPrinter& printer) const
{
    QPainter painter;
    if (!painter.begin(&printer))
        return false;
    painter.setFont(fixedFont(QStringLiteral("Courier New"), 12, QFont::Bold));
    int offset = 0;
    PrintHeader(painter, offset);
    for (const QString& line : m_reportLines)
        printLine(painter, offset, line);
    printLine(painter, offset, m_countLine);
    // Everything goes on one page: a report has one line per group.
    return painter.end();
}

void ReportDialog::PrintHeader(QPainter& painter, int& offset) const
{
    printLine(painter, offset, isPictova() ? tr("PICTOVA_REPORT_HEADER_TEXT") : tr("DOMVARA_REPORT_HEADER_TEXT"));
}

void ReportDialog::printLine(QPainter& painter, int& offset, QString line)
{
    if (line.isEmpty())
        return;
    // The dash line ends in a line break, which a printed line does not draw.
    while (line.endsWith(u'\n'))
        line.chop(1);
    qDebug("Line: %s", qPrintable(line));
    const QFontMetrics metrics = painter.fontMetrics();
    offset += metrics.ascent();
    painter.drawText(PrintMargin, PrintMargin + offset, line);
    offset += metrics.descent();
}
