#include "ReportDialog.h"

#include "ui_ReportDialogBase.h"

#include "DBItemCollection.h"
#include "ItemListView.h"
#include "MessageBoxes.h"
#include "PrintDialogs.h"
#include "ListOrder.h"
#include "PrintLayout.h"
#include "ProgramVariant.h"

#include <QDebug>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cmath>

namespace {

const QString DashLine = QString(57, u'-') + u'\n';

QString caption(int column)
{
    return QString::fromLatin1(ItemListView::columnHeaderText(column));
}

QString amount(double value)
{
    return fixedText(value, 1);
}

struct GroupFigures
{
    qint64 units = 0;
    double value = 0.0;
    double priceSum = 0.0;
    double priceTodaySum = 0.0;
};

// A piece of a line's text: a text of its own, or the place of one of the values (%1 is the
// first).
struct Segment
{
    QString text;
    int value = -1;
};

// Splits a line text into its pieces, as arg() would fill it: "%n" names value n, for the values
// there are; anything else is text.
std::vector<Segment> segmentsOf(const QString& text, int valueCount)
{
    std::vector<Segment> segments;
    QString literal;
    for (qsizetype index = 0; index < text.size(); ++index) {
        const QChar c = text[index];
        const int digit = index + 1 < text.size() ? text[index + 1].digitValue() : -1;
        if (c == u'%' && digit >= 1 && digit <= valueCount) {
            if (!literal.isEmpty())
                segments.push_back({ literal, -1 });
            literal.clear();
            segments.push_back({ QString(), digit - 1 });
            ++index;
        } else {
            literal.append(c);
        }
    }
    if (!literal.isEmpty())
        segments.push_back({ literal, -1 });
    return segments;
}

// Where the pieces of the printed lines go at one font size.
struct ReportLayout
{
    QFont font;
    qreal lineSpacing = 0.0;
    qreal ascent = 0.0;
    // The left edge and the width of each piece.
    std::vector<qreal> lefts;
    std::vector<qreal> widths;
    qreal width = 0.0;
    int nameSegment = -1;
};

} // namespace

ReportDialog::ReportDialog(const DBItemCollection& collection, QWidget* parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::ReportDialogBase>())
{
    m_ui->setupUi(this);
    setFont(PrintLayout::fixedFont(QStringLiteral("courier"), 10, QFont::Normal));
    connect(m_ui->buttonOk, &QPushButton::clicked, this, &ReportDialog::accept);
    connect(m_ui->reportPushButton, &QPushButton::clicked, this, &ReportDialog::report_slot);
    connect(m_ui->previewPushButton, &QPushButton::clicked, this, &ReportDialog::preview_slot);

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

    for (int group = 0; group < groups.size(); ++group) {
        // An empty entry is a group nobody uses any more; the groups after it keep their numbers.
        if (groups.at(group).isEmpty())
            continue;
        const GroupFigures& sums = figures[size_t(group)];
        m_groupValues.push_back(
            lineValues(groups.at(group), sums.units, sums.value, sums.priceSum, sums.priceTodaySum));
    }
    // By name, in the alphabetical order of the user's language, as the item list orders them.
    const ListOrder order;
    std::stable_sort(m_groupValues.begin(), m_groupValues.end(),
                     [&order](const Values& a, const Values& b) { return order.compareTexts(a[0], b[0]) < 0; });
    const int all = DBItemCollection::AllGroups;
    m_totalValues
        = lineValues(tr("FUNI_TOTAL_TEXT"), collection.itemCount(all, true), collection.total(all, false, false),
                     collection.total(all, false, true), collection.total(all, true, false));

    // Every column of the window is as wide as its widest value, so that the largest figure, the
    // total's, stands whole and in line with the others.
    m_leastWidths = { GroupNameWidth, CountWidth, AmountWidth, AmountWidth };
    if (isPictova())
        m_leastWidths = { GroupNameWidth, AmountWidth, AmountWidth };
    m_widths = m_leastWidths;
    m_groupValues.push_back(m_totalValues);
    for (const Values& values : m_groupValues) {
        for (size_t index = 0; index < m_widths.size(); ++index)
            m_widths[index] = std::max(m_widths[index], int(values[qsizetype(index)].size()));
    }
    m_groupValues.pop_back();

    for (const Values& values : m_groupValues) {
        m_reportLines.append(formatLine(values));
        view->appendPlainText(m_reportLines.last());
    }
    view->appendPlainText(DashLine);
    m_reportLines.append(DashLine);
    m_reportLines.append(formatLine(m_totalValues));
    view->appendPlainText(m_reportLines.last());

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

ReportDialog::Values ReportDialog::lineValues(const QString& name, qint64 count, double value, double priceSum,
                                              double priceTodaySum) const
{
    if (isPictova())
        return { name, amount(priceSum), amount(priceTodaySum) };
    return { name, QString::number(count), amount(value), amount(priceTodaySum) };
}

QString ReportDialog::lineTemplate() const
{
    // Each language arranges the columns in its own text.
    return isPictova() ? tr("PICTOVA_GROUP_LINE_TEXT") : tr("FUNI_GROUP_LINE_TEXT");
}

QStringList ReportDialog::captions() const
{
    if (isPictova())
        return { caption(0), caption(5), caption(6) };
    return { caption(0), caption(4), caption(5), caption(6) };
}

QString ReportDialog::formatLine(const Values& values) const
{
    QStringList padded;
    for (qsizetype index = 0; index < values.size(); ++index) {
        const int width = m_widths[size_t(index)];
        padded.append(index == 0 ? values[index].leftJustified(width) : values[index].rightJustified(width));
    }
    // The values go in with one arg() call, so a group name holding "%2" is printed as it is.
    if (padded.size() == 3)
        return lineTemplate().arg(padded[0], padded[1], padded[2]);
    return lineTemplate().arg(padded[0], padded[1], padded[2], padded[3]);
}

void ReportDialog::report_slot()
{
    print(false);
}

void ReportDialog::preview_slot()
{
    print(true);
}

void ReportDialog::print(bool preview)
{
    QPrinter printer(QPrinter::HighResolution);
    PrintJob::run(preview ? PrintJob::Mode::Preview : PrintJob::Mode::Print, this, printer,
                  [this](QPrinter& pages) { return printReport(pages); });
}

bool ReportDialog::printReport(QPagedPaintDevice& device, int* pageCount) const
{
    const QString heading = isPictova() ? tr("PICTOVA_REPORT_HEADER_TEXT") : tr("DOMVARA_REPORT_HEADER_TEXT");
    const QStringList captionTexts = captions();
    const std::vector<Segment> segments = segmentsOf(lineTemplate(), int(m_widths.size()));
    const QRectF area = PrintLayout::contentRect(device);

    // The widths of the pieces are measured in the font, and the font made smaller until the
    // widest line fits across the page.
    auto layoutAt = [&](qreal pointSize) {
        ReportLayout layout;
        layout.font = PrintLayout::fixedFont(QStringLiteral("Courier New"), pointSize, QFont::Bold);
        const QFontMetricsF metrics(layout.font, &device);
        layout.lineSpacing = metrics.lineSpacing();
        layout.ascent = metrics.ascent();
        const qreal character = metrics.horizontalAdvance(u'0');
        qreal left = 0.0;
        for (size_t index = 0; index < segments.size(); ++index) {
            const Segment& segment = segments[index];
            qreal width = metrics.horizontalAdvance(segment.text);
            if (segment.value >= 0) {
                // At least as wide as the window's column, wider where a value needs it.
                width = std::max(m_leastWidths[size_t(segment.value)] * character,
                                 metrics.horizontalAdvance(captionTexts.value(segment.value)));
                for (const Values& values : m_groupValues)
                    width = std::max(width, metrics.horizontalAdvance(values[segment.value]));
                width = std::max(width, metrics.horizontalAdvance(m_totalValues[segment.value]));
                // A hair wider, so that rounding never breaks a name that just fits.
                width = std::ceil(width * 1.001);
                if (segment.value == 0)
                    layout.nameSegment = int(index);
            }
            layout.lefts.push_back(left);
            layout.widths.push_back(width);
            left += width;
        }
        layout.width = left;
        return layout;
    };
    ReportLayout layout = layoutAt(PointSize);
    for (qreal size = PointSize - 1.0; layout.width > area.width() && size >= SmallestPointSize; size -= 1.0)
        layout = layoutAt(size);
    if (layout.width > area.width() && layout.nameSegment >= 0) {
        // Still too wide at the smallest font: the names go on more lines.
        const QFontMetricsF metrics(layout.font, &device);
        const size_t name = size_t(layout.nameSegment);
        const qreal narrower = std::max(metrics.horizontalAdvance(QStringLiteral("MMMM")),
                                        layout.widths[name] - (layout.width - area.width()));
        const qreal shift = layout.widths[name] - narrower;
        layout.widths[name] = narrower;
        for (size_t index = name + 1; index < layout.lefts.size(); ++index)
            layout.lefts[index] -= shift;
        layout.width -= shift;
    }
    const QFontMetricsF metrics(layout.font, &device);

    // A printed line: each value in its place, the name broken into as many lines as it needs.
    using Printed = std::vector<QStringList>;
    auto printedLine = [&](const Values& values) {
        Printed line(segments.size());
        for (size_t index = 0; index < segments.size(); ++index) {
            const Segment& segment = segments[index];
            if (segment.value < 0)
                line[index] = QStringList{ segment.text };
            else if (metrics.horizontalAdvance(values[segment.value]) <= layout.widths[index])
                line[index] = QStringList{ values[segment.value] };
            else
                line[index] = PrintLayout::wrapText(values[segment.value], layout.font, &device, layout.widths[index]);
        }
        return line;
    };
    auto heightOf = [](const Printed& line) {
        qsizetype lines = 1;
        for (const QStringList& piece : line)
            lines = std::max(lines, piece.size());
        return int(lines);
    };

    std::vector<Printed> rows;
    for (const Values& values : m_groupValues)
        rows.push_back(printedLine(values));
    const Printed total = printedLine(m_totalValues);
    Printed captionLine(segments.size());
    for (size_t index = 0; index < segments.size(); ++index) {
        if (segments[index].value >= 0)
            captionLine[index] = QStringList{ captionTexts.value(segments[index].value) };
    }

    // Each page starts with the heading, the captions over their columns and a rule; the last
    // ends with a rule, the total line and the count line, kept together.
    const qreal lineSpacing = layout.lineSpacing;
    const int linesPerPage = std::max(1, int((area.height() - 2.5 * lineSpacing) / lineSpacing));
    const int footerLines = 1 + heightOf(total) + 1;
    std::vector<std::vector<int>> pages(1);
    int used = 0;
    for (int row = 0; row < int(rows.size()); ++row) {
        const int lines = heightOf(rows[size_t(row)]);
        if (used > 0 && used + lines > linesPerPage) {
            pages.emplace_back();
            used = 0;
        }
        pages.back().push_back(row);
        used += lines;
    }
    if (used > 0 && used + footerLines > linesPerPage)
        pages.emplace_back();
    if (pageCount)
        *pageCount = int(pages.size());

    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setFont(layout.font);
    auto drawLine = [&](const Printed& line, qreal top, bool captionsOnly) {
        for (size_t index = 0; index < segments.size(); ++index) {
            const QStringList& pieces = line[index];
            for (qsizetype piece = 0; piece < pieces.size(); ++piece) {
                qreal x = area.left() + layout.lefts[index];
                // The name and its caption stand left, the figures and theirs right.
                if (segments[index].value > 0)
                    x += layout.widths[index] - metrics.horizontalAdvance(pieces[piece]);
                if (captionsOnly && segments[index].value < 0)
                    continue;
                painter.drawText(QPointF(x, top + piece * lineSpacing + layout.ascent), pieces[piece]);
            }
        }
        return top + heightOf(line) * lineSpacing;
    };
    auto drawRule = [&](qreal top) {
        const qreal y = top + lineSpacing / 4;
        painter.drawLine(QPointF(area.left(), y), QPointF(area.left() + layout.width, y));
        return top + lineSpacing / 2;
    };
    for (size_t page = 0; page < pages.size(); ++page) {
        if (page > 0)
            device.newPage();
        qreal top = area.top();
        painter.drawText(QPointF(area.left(), top + layout.ascent), heading);
        top = drawLine(captionLine, top + lineSpacing, true);
        top = drawRule(top);
        for (const int row : pages[page]) {
            qDebug("Line: %s", qPrintable(formatLine(m_groupValues[size_t(row)])));
            top = drawLine(rows[size_t(row)], top, false);
        }
    }
    qreal top = area.top() + 2.5 * lineSpacing;
    for (const int row : pages.back())
        top += heightOf(rows[size_t(row)]) * lineSpacing;
    top = drawRule(top);
    top = drawLine(total, top, false);
    painter.drawText(QPointF(area.left(), top + layout.ascent), m_countLine);
    painter.end();
    return true;
}
