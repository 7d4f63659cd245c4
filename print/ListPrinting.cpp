#include "ListPrinting.h"

#include "DBItemCollection.h"
#include "ItemListView.h"
#include "MessageBoxes.h"
#include "PrintDialogs.h"
#include "ListOrder.h"
#include "PrintLayout.h"
#include "PrintSettings.h"

#include <QFontMetricsF>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPrinter>

#include <algorithm>
#include <cmath>
#include <optional>

namespace {

// The largest lengths the print set-up accepts: texts, the count, the prices.
constexpr int MaxText = MaxPrintTextLength;
constexpr int MaxCount = 20;
constexpr int MaxPrice = 12;

constexpr std::array<PrintFieldInfo, PrintFieldCount> FieldTable{ {
    { PrintField::ItemCount, &PrintSettings::printItemCount, nullptr, -1, 0 },
    { PrintField::Group, &PrintSettings::printGroupField, &PrintSettings::printGroupFieldLength, 0, MaxText },
    { PrintField::Name, &PrintSettings::printNameField, &PrintSettings::printNameFieldLength, 1, MaxText },
    { PrintField::Model, &PrintSettings::printModelField, &PrintSettings::printModelFieldLength, 2, MaxText },
    { PrintField::ProductType, &PrintSettings::printProductTypeField, &PrintSettings::printProductTypeFieldLength, 3,
      MaxText },
    { PrintField::Count, &PrintSettings::printCountField, &PrintSettings::printCountFieldLength, 4, MaxCount },
    { PrintField::Price, &PrintSettings::printPriceField, &PrintSettings::printPriceFieldLength, 5, MaxPrice },
    { PrintField::PriceToday, &PrintSettings::printPriceTodayField, &PrintSettings::printPriceTodayFieldLength, 6,
      MaxPrice },
    { PrintField::Picture, &PrintSettings::printPictureField, &PrintSettings::printPictureFieldLength, 7, MaxText },
    { PrintField::Date, &PrintSettings::printDateField, nullptr, 9, 0 },
    { PrintField::Location, &PrintSettings::printLocationField, &PrintSettings::printLocationFieldLength, 10, MaxText },
    { PrintField::Description, &PrintSettings::printDescribeField, &PrintSettings::printDescribeFieldLength, 11,
      MaxText },
    { PrintField::Supplier, &PrintSettings::printSupplierField, &PrintSettings::printSupplierFieldLength, 12, MaxText },
    { PrintField::Address, &PrintSettings::printAddressField, &PrintSettings::printAddressFieldLength, 13, MaxText },
    { PrintField::SerialNumber, &PrintSettings::printSerialNumberField, &PrintSettings::printSerialNumberFieldLength,
      14, MaxText },
    { PrintField::Www, &PrintSettings::printWwwField, &PrintSettings::printWwwFieldLength, 15, MaxText },
    { PrintField::Receipt, &PrintSettings::printReceiptField, &PrintSettings::printReceiptFieldLength, 8, MaxText },
    { PrintField::Document, &PrintSettings::printDocumentField, &PrintSettings::printDocumentFieldLength, 16, MaxText },
    { PrintField::Extra1, &PrintSettings::printExtra1Field, &PrintSettings::printExtra1FieldLength, 17, MaxText },
    { PrintField::Extra2, &PrintSettings::printExtra2Field, &PrintSettings::printExtra2FieldLength, 18, MaxText },
    { PrintField::Extra3, &PrintSettings::printExtra3Field, &PrintSettings::printExtra3FieldLength, 19, MaxText },
    { PrintField::Extra4, &PrintSettings::printExtra4Field, &PrintSettings::printExtra4FieldLength, 20, MaxText },
} };

ListTable::Kind kindOf(PrintField field)
{
    switch (field) {
    case PrintField::ItemCount:
        return ListTable::Kind::Number;
    case PrintField::Count:
    case PrintField::Price:
    case PrintField::PriceToday:
        return ListTable::Kind::Figure;
    default:
        return ListTable::Kind::Text;
    }
}

// The list column a sort method of the print settings sorts by; -1 keeps the order.
int sortColumnOf(int sortMethod)
{
    switch (sortMethod) {
    case 0:
    case 1:
    case 2:
    case 5:
    case 9:
    case 10:
        return sortMethod;
    default:
        return -1;
    }
}

QFont listFont(qreal pointSize, bool header)
{
    QFont font = PrintLayout::fixedFont(QStringLiteral("Courier New"), pointSize, header ? QFont::Bold : QFont::Normal);
    font.setUnderline(header);
    return font;
}

// The widths of a list at one font size, in the device's units.
struct Measures
{
    QFont font;
    QFont headerFont;
    qreal lineSpacing = 0.0;
    qreal ascent = 0.0;
    qreal space = 0.0;
    qreal separator = 0.0;
    // Each column's width without breaking anything but its texts at the print set-up's width,
    // and the least width a text column may be narrowed to.
    std::vector<qreal> wanted;
    std::vector<qreal> least;
    // The width each column's widest cell needs on one line.
    std::vector<qreal> whole;

    qreal padding() const
    {
        return 2 * space + separator;
    }
    qreal total(const std::vector<qreal>& widths) const
    {
        qreal sum = 0.0;
        for (const qreal width : widths)
            sum += width + padding();
        return sum;
    }
};

// The widest word of a caption: a caption may go on several lines, but a word of it only
// breaks where the column is narrower than the word.
qreal widestWord(const QString& caption, const QFontMetricsF& metrics)
{
    qreal widest = 0.0;
    for (const QString& word : caption.split(u' ', Qt::SkipEmptyParts))
        widest = std::max(widest, metrics.horizontalAdvance(word));
    return widest;
}

// The widest cell of each column, found once: in a fixed-pitch font the widest cell is the
// same at every size, so each size measures only these.
std::vector<QString> widestCells(const ListTable& table)
{
    std::vector<QString> widest(table.columns.size());
    auto consider = [&widest](const QStringList& cells) {
        for (size_t column = 0; column < widest.size() && column < size_t(cells.size()); ++column) {
            if (cells[qsizetype(column)].size() > widest[column].size())
                widest[column] = cells[qsizetype(column)];
        }
    };
    for (const QStringList& row : table.rows)
        consider(row);
    consider(table.sums);
    return widest;
}

Measures measure(const ListTable& table, const std::vector<QString>& widest, qreal pointSize, const QString& separator,
                 int narrowest, const QPaintDevice* device)
{
    Measures result;
    result.font = listFont(pointSize, false);
    result.headerFont = listFont(pointSize, true);
    const QFontMetricsF metrics(result.font, device);
    const QFontMetricsF headerMetrics(result.headerFont, device);
    result.lineSpacing = std::max(metrics.lineSpacing(), headerMetrics.lineSpacing());
    result.ascent = std::max(metrics.ascent(), headerMetrics.ascent());
    result.space = metrics.horizontalAdvance(u' ');
    result.separator = metrics.horizontalAdvance(separator);
    const qreal character = metrics.horizontalAdvance(u'0');
    for (size_t index = 0; index < table.columns.size(); ++index) {
        const ListTable::Column& column = table.columns[index];
        const qreal caption = widestWord(column.caption, headerMetrics);
        // Measured text is widened by a hair, so that rounding never sends a last character to a
        // line of its own.
        const qreal content = std::ceil(metrics.horizontalAdvance(widest[index]) * 1.001);
        result.whole.push_back(std::max({ content, caption, character }));
        if (column.kind == ListTable::Kind::Text) {
            const qreal allowed = column.maxCharacters * character;
            const qreal wanted = std::min(std::max(content, caption), allowed);
            result.wanted.push_back(std::max(wanted, character));
            result.least.push_back(std::min(result.wanted.back(), narrowest * character));
        } else {
            result.wanted.push_back(std::max(content, caption));
            result.least.push_back(result.wanted.back());
        }
    }
    return result;
}

// Narrows the widest text columns, each no further than its least width, until the columns take
// no more than the room there is. Returns whether they fit.
bool narrowToFit(std::vector<qreal>& widths, const Measures& measures, qreal room)
{
    qreal excess = measures.total(widths) - room;
    if (excess <= 0.0)
        return true;
    // Lowers a common cap on the text widths: each step brings the widest columns down to the
    // next widest one, or as far as the excess needs.
    for (int round = 0; round < 1000 && excess > 0.0; ++round) {
        qreal widest = 0.0;
        qreal next = 0.0;
        int atWidest = 0;
        for (size_t index = 0; index < widths.size(); ++index) {
            if (widths[index] <= measures.least[index])
                continue;
            if (widths[index] > widest) {
                next = widest;
                widest = widths[index];
                atWidest = 1;
            } else if (widths[index] == widest) {
                ++atWidest;
            } else {
                next = std::max(next, widths[index]);
            }
        }
        if (atWidest == 0)
            return false;
        const qreal cap = std::max(next, widest - excess / atWidest);
        for (size_t index = 0; index < widths.size(); ++index) {
            if (widths[index] == widest && widths[index] > measures.least[index]) {
                const qreal narrowed = std::max(cap, measures.least[index]);
                excess -= widths[index] - narrowed;
                widths[index] = narrowed;
            }
        }
    }
    return excess <= 0.0;
}

// Gives room the columns leave free on the page to the texts that would otherwise go on more
// lines, evenly, each no wider than its widest cell needs.
void widenToFill(std::vector<qreal>& widths, const Measures& measures, qreal room)
{
    for (int round = 0; round < 100; ++round) {
        const qreal spare = room - measures.total(widths);
        int wanting = 0;
        for (size_t index = 0; index < widths.size(); ++index)
            wanting += widths[index] < measures.whole[index] ? 1 : 0;
        if (spare < 1.0 || wanting == 0)
            return;
        const qreal share = spare / wanting;
        for (size_t index = 0; index < widths.size(); ++index) {
            if (widths[index] < measures.whole[index])
                widths[index] = std::min(measures.whole[index], widths[index] + share);
        }
    }
}

// One row of the list as it is printed: the lines of each cell.
using PrintedRow = std::vector<QStringList>;

PrintedRow wrapRow(const QStringList& cells, const std::vector<qreal>& widths, const QFont& font,
                   const QPaintDevice* device, const QFontMetricsF& metrics)
{
    PrintedRow row(widths.size());
    for (size_t column = 0; column < widths.size(); ++column) {
        const QString cell = column < size_t(cells.size()) ? cells[qsizetype(column)] : QString();
        if (metrics.horizontalAdvance(cell) <= widths[column] && !cell.contains(u'\n'))
            row[column] = QStringList{ cell };
        else
            row[column] = PrintLayout::wrapText(cell, font, device, widths[column]);
    }
    return row;
}

int heightOf(const PrintedRow& row)
{
    qsizetype lines = 1;
    for (const QStringList& cell : row)
        lines = std::max(lines, cell.size());
    return int(lines);
}

// A piece of a row on a page: a row taller than a page goes on over the next pages.
struct Piece
{
    int row;
    int firstLine;
    int lines;
};

struct Page
{
    std::vector<Piece> pieces;
    bool footer = false;
};

class ListPainter
{
public:
    ListPainter(QPainter& painter, const ListTable& table, const Measures& measures, const std::vector<qreal>& widths,
                const QString& separator, QPointF origin, const QPaintDevice* device)
        : m_painter(painter)
        , m_table(table)
        , m_measures(measures)
        , m_widths(widths)
        , m_separator(separator)
        , m_origin(origin)
        , m_metrics(measures.font, device)
    {
    }

    // Draws the lines of a row from its first line on, from a top edge; returns the next top.
    qreal drawRow(const PrintedRow& row, int firstLine, int lines, qreal top, bool header)
    {
        m_painter.setFont(header ? m_measures.headerFont : m_measures.font);
        for (int line = firstLine; line < firstLine + lines; ++line) {
            const qreal baseline = top + m_measures.ascent;
            qreal x = m_origin.x();
            for (size_t column = 0; column < m_widths.size(); ++column) {
                const QStringList& cell = row[column];
                if (line < cell.size() && !cell[line].isEmpty()) {
                    qreal textX = x + m_measures.space;
                    // Figures and numbers stand right, headers and texts left.
                    if (!header && m_table.columns[column].kind != ListTable::Kind::Text)
                        textX += m_widths[column] - m_metrics.horizontalAdvance(cell[line]);
                    m_painter.drawText(QPointF(textX, baseline), cell[line]);
                }
                x += m_measures.space + m_widths[column] + m_measures.space;
                m_painter.setFont(m_measures.font);
                m_painter.drawText(QPointF(x, baseline), m_separator);
                m_painter.setFont(header ? m_measures.headerFont : m_measures.font);
                x += m_measures.separator;
            }
            top += m_measures.lineSpacing;
        }
        return top;
    }

    qreal drawRule(qreal top)
    {
        const qreal y = top + m_measures.lineSpacing / 4;
        m_painter.drawLine(QPointF(m_origin.x(), y), QPointF(m_origin.x() + m_measures.total(m_widths), y));
        return top + m_measures.lineSpacing / 2;
    }

    void drawText(const QString& text, qreal top)
    {
        m_painter.setFont(m_measures.font);
        m_painter.drawText(QPointF(m_origin.x(), top + m_measures.ascent), text);
    }

private:
    QPainter& m_painter;
    const ListTable& m_table;
    const Measures& m_measures;
    const std::vector<qreal>& m_widths;
    const QString& m_separator;
    QPointF m_origin;
    QFontMetricsF m_metrics;
};

} // namespace

const PrintFieldInfo& printFieldInfo(PrintField field)
{
    return FieldTable[static_cast<size_t>(field)];
}

bool ListPrinting::Print(const DBItemCollection& collection, QWidget* parent, const StatusMessage& message)
{
    return run(false, collection, parent, message);
}

bool ListPrinting::Preview(const DBItemCollection& collection, QWidget* parent, const StatusMessage& message)
{
    return run(true, collection, parent, message);
}

bool ListPrinting::run(bool preview, const DBItemCollection& collection, QWidget* parent, const StatusMessage& message)
{
    const PrintSettings settings;
    // Made once, under the wait cursor of the first painting: a preview paints more than once.
    std::optional<ListTable> table;
    QPrinter printer(QPrinter::HighResolution);
    bool turned = false;
    const PrintJob::Outcome outcome = PrintJob::run(
        preview ? PrintJob::Mode::Preview : PrintJob::Mode::Print, parent, printer, [&](QPrinter& pages) {
            if (!preview)
                message(tr("Printing..."), 0);
            if (!table)
                table = buildTable(collection, settings, columnCaptions());
            ListLayout layout;
            const bool painted = render(pages, *table, settings.printSeparator, &layout, [&](int page) {
                if (!preview)
                    message(tr("Printing (page ") + QString::number(page) + tr(")..."), 0);
            });
            turned = turned || layout.turnedToLandscape;
            if (preview && layout.turnedToLandscape)
                message(tr("LIST_PRINTED_LANDSCAPE"), 10000);
            return painted;
        });
    switch (outcome) {
    case PrintJob::Outcome::Cancelled:
        message(tr("Print afbrudt"), 2000);
        return false;
    case PrintJob::Outcome::Failed:
        message(QString(), 0);
        return false;
    case PrintJob::Outcome::Printed:
        break;
    }
    // Said last, so that it stays in the status bar: the user chose portrait.
    if (turned)
        message(tr("LIST_PRINTED_LANDSCAPE"), 10000);
    else
        message(tr("Print færdig"), 2000);
    return true;
}

std::vector<const Item*> ListPrinting::printOrder(const DBItemCollection& collection, int sortMethod)
{
    return ListOrder().sorted(collection.items(), sortColumnOf(sortMethod), collection.groups(),
                              collection.locations());
}

ListPrinting::Captions ListPrinting::columnCaptions()
{
    Captions captions;
    for (int column = 0; column < CaptionCount; ++column)
        captions[column] = QString::fromLatin1(ItemListView::columnHeaderText(column));
    return captions;
}

ListTable ListPrinting::buildTable(const DBItemCollection& collection, const PrintSettings& settings,
                                   const Captions& captions)
{
    ListTable table;
    for (const PrintFieldInfo& info : FieldTable) {
        if (!(settings.*info.flag))
            continue;
        const ListTable::Kind kind = kindOf(info.field);
        int characters = 0;
        if (info.field == PrintField::Date)
            characters = DateCharacters;
        else if (kind == ListTable::Kind::Text)
            // A length beyond what the print set-up accepts can only come from a settings file
            // edited by hand; a text is never narrower than one character.
            characters = std::clamp(settings.*info.length, 1, info.maxLength);
        const QString caption = info.column < 0 ? tr("ITEM_COUNT") : captions[size_t(info.column)];
        table.columns.push_back({ info.field, kind, characters, caption });
    }

    const LookupList& groups = collection.groups();
    const LookupList& locations = collection.locations();
    std::vector<double> sums(table.columns.size(), 0.0);
    qint64 units = 0;
    int number = 0;
    for (const Item* item : printOrder(collection, settings.sortMethod)) {
        ++number;
        if (!settings.printsItem(*item))
            continue;
        QStringList cells;
        cells.reserve(qsizetype(table.columns.size()));
        for (size_t index = 0; index < table.columns.size(); ++index) {
            const PrintFieldInfo& info = printFieldInfo(table.columns[index].field);
            if (info.field == PrintField::ItemCount) {
                cells.append(QString::number(number));
                continue;
            }
            cells.append(ListOrder::textOf(info.column, *item, groups, locations));
            if (info.field == PrintField::Count)
                units += item->number_of_items();
            else if (table.columns[index].kind == ListTable::Kind::Figure)
                sums[index] += ListOrder::figureOf(info.column, *item);
        }
        table.rows.push_back(std::move(cells));
    }
    table.count = int(table.rows.size());
    table.countLine = tr("LIST_COUNT_TEXT").arg(table.count);

    bool anyFigure = false;
    bool labelled = false;
    for (size_t index = 0; index < table.columns.size(); ++index) {
        const ListTable::Column& column = table.columns[index];
        if (column.kind == ListTable::Kind::Figure) {
            anyFigure = true;
            const int listColumn = printFieldInfo(column.field).column;
            table.sums.append(column.field == PrintField::Count ? QString::number(units)
                                                                : ListOrder::figureText(listColumn, sums[index]));
        } else if (column.kind == ListTable::Kind::Text && !labelled) {
            labelled = true;
            table.sums.append(tr("LIST_SUM_TEXT"));
        } else {
            table.sums.append(QString());
        }
    }
    if (!anyFigure)
        table.sums.clear();
    return table;
}

bool ListPrinting::render(QPagedPaintDevice& device, const ListTable& table, const QString& separator,
                          ListLayout* layout, const std::function<void(int page)>& newPage)
{
    ListLayout result;
    const std::vector<QString> widest = widestCells(table);

    // The layouts tried in turn: the orientation chosen, also a size smaller; then landscape,
    // in smaller and smaller fonts; then texts narrowed and broken into more lines, first no
    // narrower than a word of some length, at last down to a few characters.
    const bool chosenPortrait = device.pageLayout().orientation() == QPageLayout::Portrait;
    struct Attempt
    {
        bool landscape;
        qreal pointSize;
        int narrowest; // 0: texts as wide as the print set-up lets them be
    };
    std::vector<Attempt> attempts{ { !chosenPortrait, PointSize, 0 }, { !chosenPortrait, PointSize - 1.0, 0 } };
    for (qreal size = PointSize; size >= SmallestPointSize; size -= 1.0)
        attempts.push_back({ true, size, 0 });
    for (qreal size = SmallestPointSize; size >= SmallestPointSize - 1.0; size -= 1.0)
        attempts.push_back({ true, size, WordCharacters });
    for (qreal size = SmallestPointSize - 1.0; size >= 4.0; size -= 1.0)
        attempts.push_back({ true, size, NarrowestCharacters });

    Measures measures;
    std::vector<qreal> widths;
    for (const Attempt& attempt : attempts) {
        device.setPageOrientation(attempt.landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
        const qreal room = PrintLayout::contentRect(device).width();
        measures = measure(table, widest, attempt.pointSize, separator, attempt.narrowest, &device);
        widths = measures.wanted;
        result.turnedToLandscape = chosenPortrait && attempt.landscape;
        result.pointSize = attempt.pointSize;
        result.narrowed = attempt.narrowest > 0;
        if (result.narrowed ? narrowToFit(widths, measures, room) : measures.total(widths) <= room) {
            widenToFill(widths, measures, room);
            break;
        }
    }
    result.widths = widths;

    const QRectF area = PrintLayout::contentRect(device);
    const QFontMetricsF metrics(measures.font, &device);
    const QFontMetricsF headerMetrics(measures.headerFont, &device);

    QStringList captions;
    for (const ListTable::Column& column : table.columns)
        captions.append(column.caption);
    const PrintedRow header = wrapRow(captions, widths, measures.headerFont, &device, headerMetrics);
    const int headerLines = heightOf(header);
    const PrintedRow sums = wrapRow(table.sums, widths, measures.font, &device, metrics);
    // The sums stand below a rule and the count below them, kept together on the last page.
    const int footerLines = table.sums.isEmpty() ? 1 : heightOf(sums) + 2;
    const qreal lineSpacing = measures.lineSpacing;
    const int linesPerPage
        = std::max(1, int((area.height() - headerLines * lineSpacing - lineSpacing / 2) / lineSpacing));

    std::vector<int> heights;
    heights.reserve(table.rows.size());
    for (const QStringList& row : table.rows)
        heights.push_back(heightOf(wrapRow(row, widths, measures.font, &device, metrics)));

    std::vector<Page> pages(1);
    int used = 0;
    for (int row = 0; row < int(heights.size()); ++row) {
        int first = 0;
        int left = heights[size_t(row)];
        // A row that fits on a page is kept on one; a taller one goes on over the next pages.
        if (used > 0 && used + left > linesPerPage && left <= linesPerPage) {
            pages.emplace_back();
            used = 0;
        }
        while (left > 0) {
            if (used == linesPerPage) {
                pages.emplace_back();
                used = 0;
            }
            const int lines = std::min(left, linesPerPage - used);
            pages.back().pieces.push_back({ row, first, lines });
            used += lines;
            first += lines;
            left -= lines;
        }
    }
    if (used > 0 && used + footerLines > linesPerPage)
        pages.emplace_back();
    pages.back().footer = true;
    result.pages = int(pages.size());
    if (layout)
        *layout = result;

    QPainter painter;
    if (!painter.begin(&device))
        return false;
    ListPainter draw(painter, table, measures, widths, separator, area.topLeft(), &device);
    for (size_t page = 0; page < pages.size(); ++page) {
        if (page > 0) {
            if (newPage)
                newPage(int(page) + 1);
            device.newPage();
        }
        qreal top = draw.drawRow(header, 0, headerLines, area.top(), true);
        top = draw.drawRule(top);
        for (const Piece& piece : pages[page].pieces) {
            const PrintedRow row = wrapRow(table.rows[size_t(piece.row)], widths, measures.font, &device, metrics);
            top = draw.drawRow(row, piece.firstLine, piece.lines, top, false);
        }
        if (pages[page].footer) {
            if (!table.sums.isEmpty()) {
                top = draw.drawRule(top);
                top = draw.drawRow(sums, 0, heightOf(sums), top, false);
            }
            draw.drawText(table.countLine, top + (table.sums.isEmpty() ? 0.0 : lineSpacing / 2));
        }
    }
    painter.end();
    return true;
}
