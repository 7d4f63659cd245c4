#include "ListPrinting.h"

#include "DBItemCollection.h"
#include "ItemListView.h"
#include "MessageBoxes.h"
#include "PrintDialogs.h"
#include "PrintSettings.h"
#include "WaitCursor.h"

#include <QFont>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QPainter>
#include <QPrinter>

#include <algorithm>

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

// How an item's text fills its column: which end survives when it is too long, and which side
// the spaces go to when it is short. Paths and links keep their ends, where the file name is.
enum class Cut { Head, Tail, None };
enum class Align { Left, Right };

struct Column
{
    PrintField field;
    int width;
    Cut cut;
    Align align;
};

Cut cutOf(PrintField field)
{
    switch (field) {
    case PrintField::Count:
    case PrintField::Picture:
    case PrintField::Www:
    case PrintField::Receipt:
    case PrintField::Document:
    case PrintField::Extra1:
    case PrintField::Extra2:
    case PrintField::Extra3:
    case PrintField::Extra4:
        return Cut::Tail;
    case PrintField::Price:
    case PrintField::PriceToday:
    case PrintField::Date:
    case PrintField::ItemCount:
        return Cut::None;
    default:
        return Cut::Head;
    }
}

Align alignOf(PrintField field)
{
    switch (cutOf(field)) {
    case Cut::Head:
        return Align::Left;
    default:
        return Align::Right;
    }
}

// The selected fields in print order, with their widths. Worked out once per print run.
std::vector<Column> selectedColumns(const PrintSettings& settings)
{
    std::vector<Column> columns;
    for (const PrintFieldInfo& info : FieldTable) {
        if (!(settings.*info.flag))
            continue;
        int width = ListPrinting::ItemCountWidth;
        if (info.field == PrintField::Date)
            width = ListPrinting::DateWidth;
        else if (info.length)
            // A length beyond what the print set-up accepts can only come from a settings file
            // edited by hand; taken as it stands, a huge one would pad every line to gigabytes.
            width = std::clamp(settings.*info.length, 0, info.maxLength);
        columns.push_back({ info.field, width, cutOf(info.field), alignOf(info.field) });
    }
    return columns;
}

void appendSpaces(QString& line, qsizetype count)
{
    if (count > 0)
        line.append(QString(count, u' '));
}

void appendFitted(QString& line, QStringView text, const Column& column)
{
    if (column.cut == Cut::Head && text.size() > column.width)
        text = text.first(column.width);
    else if (column.cut == Cut::Tail && text.size() > column.width)
        text = text.last(column.width);
    const qsizetype fill = column.width - text.size();
    if (column.align == Align::Right)
        appendSpaces(line, fill);
    line.append(text);
    if (column.align == Align::Left)
        appendSpaces(line, fill);
}

// A group or location number with no entry in its list prints as an empty column.
QStringView listEntry(const LookupList& list, int index)
{
    if (index < 0 || index >= list.size())
        return {};
    return list.at(index);
}

class LineBuilder
{
public:
    LineBuilder(const PrintSettings& settings, const LookupList& groups, const LookupList& locations)
        : m_columns(selectedColumns(settings))
        , m_separator(settings.printSeparator)
        , m_groups(groups)
        , m_locations(locations)
        , m_settings(settings)
    {
    }

    QString line(const Item& item, int number) const
    {
        if (!m_settings.printsItem(item))
            return QString();
        QString line;
        line.reserve(m_lastLength + 16);
        for (const Column& column : m_columns) {
            if (column.field == PrintField::ItemCount) {
                const QString digits = QString::number(number);
                appendSpaces(line, column.width - digits.size());
                line.append(digits);
                line.append(m_separator);
                continue;
            }
            line.append(u' ');
            appendField(line, item, column);
            line.append(u' ');
            line.append(m_separator);
        }
        m_lastLength = line.size();
        return line;
    }

private:
    void appendField(QString& line, const Item& item, const Column& column) const
    {
        switch (column.field) {
        case PrintField::Group:
            return appendFitted(line, listEntry(m_groups, item.type()), column);
        case PrintField::Name:
            return appendFitted(line, item.textView(Item::Name), column);
        case PrintField::Model:
            return appendFitted(line, item.textView(Item::Product), column);
        case PrintField::ProductType:
            return appendFitted(line, item.textView(Item::ProductModel), column);
        case PrintField::Count:
            return appendFitted(line, QString::number(item.number_of_items()), column);
        case PrintField::Price:
            return appendFitted(line, item.priceText(0), column);
        case PrintField::PriceToday:
            return appendFitted(line, item.priceTodayText(0), column);
        case PrintField::Picture:
            return appendFitted(line, item.textView(Item::Photolink), column);
        case PrintField::Date:
            return appendFitted(line, item.textView(Item::Date), column);
        case PrintField::Location:
            return appendFitted(line, listEntry(m_locations, item.location()), column);
        case PrintField::Description:
            return appendFitted(line, item.textView(Item::Description), column);
        case PrintField::Supplier:
            return appendFitted(line, item.textView(Item::Supplier), column);
        case PrintField::Address:
            return appendFitted(line, item.textView(Item::Address), column);
        case PrintField::SerialNumber:
            return appendFitted(line, item.textView(Item::Serialno), column);
        case PrintField::Www:
            return appendFitted(line, item.textView(Item::Www), column);
        case PrintField::Receipt:
            return appendFitted(line, item.textView(Item::Receipt), column);
        case PrintField::Document:
            return appendFitted(line, item.textView(Item::Document), column);
        case PrintField::Extra1:
            return appendFitted(line, item.textView(Item::Extra1), column);
        case PrintField::Extra2:
            return appendFitted(line, item.textView(Item::Extra2), column);
        case PrintField::Extra3:
            return appendFitted(line, item.textView(Item::Extra3), column);
        case PrintField::Extra4:
            return appendFitted(line, item.textView(Item::Extra4), column);
        case PrintField::ItemCount:
            return;
        }
    }

    std::vector<Column> m_columns;
    QString m_separator;
    const LookupList& m_groups;
    const LookupList& m_locations;
    const PrintSettings& m_settings;
    // Lines of one list are alike in length; the last one sizes the next one's buffer.
    mutable qsizetype m_lastLength = 0;
};

QFont printFont(bool header)
{
    QFont font(QStringLiteral("Courier New"), 10, header ? QFont::Bold : QFont::Normal);
    // Where no Courier New is installed the columns still line up in another fixed-pitch font.
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setUnderline(header);
    return font;
}

} // namespace

const PrintFieldInfo& printFieldInfo(PrintField field)
{
    return FieldTable[static_cast<size_t>(field)];
}

bool ListPrinting::Print(DBItemCollection& collection, QWidget* parent, const StatusMessage& message)
{
    // The collection is sorted before the printer is asked for, so it stays sorted even when
    // printing is cancelled.
    sortForPrinting(collection);
    QPrinter printer(QPrinter::ScreenResolution);
    if (!PrintDialogs::ask(parent, &printer)) {
        message(tr("Print afbrudt"), 2000);
        return false;
    }
    return printList(collection, printer, message);
}

void ListPrinting::sortForPrinting(DBItemCollection& collection)
{
    collection.sort(PrintSettings().sortMethod);
}

bool ListPrinting::printList(const DBItemCollection& collection, QPrinter& printer, const StatusMessage& message)
{
    const WaitCursor waitCursor;
    message(tr("Printing..."), 0);

    // A printer that cannot be written to (a full disk, a file in a missing folder) is told,
    // and the status no longer says the list is being printed.
    auto failed = [&message]() {
        message(tr("Print afbrudt"), 2000);
        MessageBoxes::critical(nullptr, tr("PRINT_FAILED_TITLE"), tr("PRINT_FAILED_TEXT"));
        return false;
    };
    QPainter painter;
    if (!painter.begin(&printer))
        return failed();

    const QFont headerFont = printFont(true);
    const QFont lineFont = printFont(false);
    PageMetrics metrics;
    metrics.pageHeight = printer.height();
    painter.setFont(headerFont);
    metrics.headerAscent = painter.fontMetrics().ascent();
    metrics.headerLineSpacing = painter.fontMetrics().lineSpacing();
    painter.setFont(lineFont);
    metrics.lineAscent = painter.fontMetrics().ascent();
    metrics.lineDescent = painter.fontMetrics().descent();

    const ListLines lines = buildLines(collection, PrintSettings(), columnCaptions());
    const std::vector<PrintedPage> pages = layoutPages(lines.lines, metrics);
    for (size_t page = 0; page < pages.size(); ++page) {
        if (page > 0) {
            message(tr("Printing (page ") + QString::number(page + 1) + tr(")..."), 0);
            printer.newPage();
        }
        painter.setFont(headerFont);
        painter.drawText(Margin, pages[page].headerBaseline, lines.header);
        painter.setFont(lineFont);
        for (const PrintedPage::Line& line : pages[page].lines)
            painter.drawText(Margin, line.baseline, lines.lines[line.index]);
    }
    if (!painter.end())
        return failed();
    message(tr("Print færdig"), 2000);
    return true;
}

ListPrinting::Captions ListPrinting::columnCaptions()
{
    Captions captions;
    for (int column = 0; column < CaptionCount; ++column)
        captions[column] = QString::fromLatin1(ItemListView::columnHeaderText(column));
    return captions;
}

QString ListPrinting::headerLine(const PrintSettings& settings, const Captions& captions)
{
    QString header;
    for (const Column& column : selectedColumns(settings)) {
        const PrintFieldInfo& info = printFieldInfo(column.field);
        if (column.field == PrintField::ItemCount) {
            const QString text = tr("ITEM_COUNT");
            appendSpaces(header, column.width - text.size());
            header.append(text);
        } else {
            appendFitted(header, captions[info.column], { column.field, column.width, Cut::Head, Align::Left });
        }
        header.append(settings.printSeparator);
    }
    return header;
}

QString ListPrinting::itemLine(const Item& item, int number, const PrintSettings& settings, const LookupList& groups,
                               const LookupList& locations)
{
    return LineBuilder(settings, groups, locations).line(item, number);
}

ListLines ListPrinting::buildLines(const DBItemCollection& collection, const PrintSettings& settings,
                                   const Captions& captions)
{
    ListLines result;
    result.header = headerLine(settings, captions);
    const LineBuilder builder(settings, collection.groups(), collection.locations());
    const auto& items = collection.items();
    result.lines.reserve(qsizetype(items.size()));
    int number = 0;
    for (const auto& item : items)
        result.lines.append(builder.line(*item, ++number));
    return result;
}

std::vector<PrintedPage> ListPrinting::layoutPages(const QStringList& lines, const PageMetrics& metrics)
{
    std::vector<PrintedPage> pages;
    const int headerBaseline = Margin + metrics.headerAscent;
    const int offsetBelowHeader = metrics.headerAscent + metrics.headerLineSpacing;
    pages.push_back({ headerBaseline, {} });
    int offset = offsetBelowHeader;
    for (qsizetype index = 0; index < lines.size(); ++index) {
        // Checked before every item, printed or not, so a full page is followed by a new one
        // even when nothing more is printed on it.
        if (metrics.pageHeight - Margin < offset + Margin) {
            pages.push_back({ headerBaseline, {} });
            offset = offsetBelowHeader;
        }
        if (lines[index].isEmpty())
            continue;
        offset += metrics.lineAscent;
        pages.back().lines.push_back({ int(index), Margin + offset });
        offset += metrics.lineDescent;
    }
    return pages;
}
