#include "HtmlExport.h"

#include "DBItemCollection.h"
#include "ExportWriter.h"
#include "Item.h"
#include "ItemListView.h"
#include "ListPrinting.h"
#include "PrintSettings.h"
#include "WaitCursor.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <array>
#include <iterator>
#include <optional>

namespace {

// The columns whose captions the heading of the list names, in its order.
constexpr int HeadingColumns[] = { 0, 1, 2, 3, 5, 6, 9, 12, 14, 11, 13, 4, 10, 15, 16, 7, 8, 17, 18, 19, 20 };

// The print setting that selects each table column, by column number.
constexpr bool PrintSettings::*TableColumns[] = {
    &PrintSettings::printGroupField,       &PrintSettings::printNameField,     &PrintSettings::printModelField,
    &PrintSettings::printProductTypeField, &PrintSettings::printCountField,    &PrintSettings::printPriceField,
    &PrintSettings::printPriceTodayField,  &PrintSettings::printPictureField,  &PrintSettings::printReceiptField,
    &PrintSettings::printDateField,        &PrintSettings::printLocationField, &PrintSettings::printDescribeField,
    &PrintSettings::printSupplierField,    &PrintSettings::printAddressField,  &PrintSettings::printSerialNumberField,
    &PrintSettings::printWwwField,         &PrintSettings::printDocumentField, &PrintSettings::printExtra1Field,
    &PrintSettings::printExtra2Field,      &PrintSettings::printExtra3Field,   &PrintSettings::printExtra4Field,
};
constexpr int TableColumnCount = int(std::size(TableColumns));

// The text field behind each plain text column of the table; the others are told apart below.
constexpr Item::TextField ColumnFields[TableColumnCount] = {
    Item::Name,     Item::Name, Item::Product,  Item::ProductModel, Item::Name,        Item::Name,     Item::Name,
    Item::Name,     Item::Name, Item::Date,     Item::Name,         Item::Description, Item::Supplier, Item::Address,
    Item::Serialno, Item::Www,  Item::Document, Item::Extra1,       Item::Extra2,      Item::Extra3,   Item::Extra4,
};

QString caption(int column)
{
    return QString::fromLatin1(ItemListView::columnHeaderText(column));
}

class TableWriter
{
public:
    TableWriter(ExportWriter& out, const DBItemCollection& collection, const PrintSettings& settings)
        : m_out(out)
        , m_collection(collection)
        , m_settings(settings)
        , m_databaseDir(GetLastDBDir())
    {
        for (int column = 0; column < TableColumnCount; ++column)
            m_captions[column] = caption(column);
    }

    void writeHead()
    {
        m_out.line("<table border=\"1\" >");
        m_out.line("<thead>");
        m_out.line("<tr>");
        if (m_settings.printItemCount)
            m_out.line("<th>No</th>");
        for (int column = 0; column < TableColumnCount; ++column) {
            if (!(m_settings.*TableColumns[column]))
                continue;
            m_out.putBytes("<th>");
            m_out.putEscaped(m_captions[column]);
            m_out.line("</th>");
        }
        m_out.line("</tr>");
        m_out.line("</thead>");
    }

    void writeRow(const Item& item, int number)
    {
        m_out.line("<tr>");
        if (m_settings.printItemCount) {
            m_out.line("\t<td>");
            m_out.putBytes("\t\t");
            m_out.putNumber(number);
            m_out.endLine();
            m_out.line("\t</td>");
        }
        for (int column = 0; column < TableColumnCount; ++column) {
            if (!(m_settings.*TableColumns[column]))
                continue;
            m_out.line(column >= 4 && column <= 6 ? "\t<td align=\"right\">" : "\t<td>");
            m_out.putBytes("\t\t");
            writeValue(item, column);
            m_out.endLine();
            m_out.line("\t</td>");
        }
        m_out.line("</tr>");
    }

private:
    // Cell texts are escaped, so that a name holding "<" or "&" cannot break the page.
    void writeValue(const Item& item, int column)
    {
        switch (column) {
        case 0:
            m_out.putEscaped(lookupText(m_collection.groups(), item.type()));
            break;
        case 4:
            m_out.putNumber(item.number_of_items());
            break;
        case 5:
            m_out.putFixed(item.price(), 2);
            break;
        case 6:
            m_out.putFixed(item.priceToday(), 2);
            break;
        case 7:
            writeThumbnail(item.textView(Item::Photolink), column);
            break;
        case 8:
            writeThumbnail(item.textView(Item::Receipt), column);
            break;
        case 10:
            m_out.putEscaped(lookupText(m_collection.locations(), item.location()));
            break;
        default:
            m_out.putEscaped(item.textView(ColumnFields[column]));
        }
    }

    void writeThumbnail(QStringView path, int column)
    {
        if (path.isEmpty())
            return;
        m_out.putBytes("<img width=\"64\" height=\"64\" src=\"");
        m_out.putEscaped(linkedFileUrl(path, m_databaseDir));
        m_out.putBytes("\" ALT=\"");
        m_out.putEscaped(m_captions[column]);
        m_out.putBytes("\">");
    }

    ExportWriter& m_out;
    const DBItemCollection& m_collection;
    const PrintSettings& m_settings;
    QString m_databaseDir;
    std::array<QString, TableColumnCount> m_captions;
};

} // namespace

bool writeHtml(DBItemCollection& collection, QIODevice& device, const HtmlPage& page)
{
    ExportWriter out(device);
    out.line("<html xmlns=\"http://www.w3.org/1999/xhtml\" xml:lang=\"en\">");
    out.putBytes("<head><title>");
    out.putEscaped(GetVariantName());
    out.line("</title></head>");
    out.line("<body>");
    if (page.showHeading && !page.showSpecialCase) {
        out.putBytes("<h2>");
        out.putEscaped(page.path);
        out.line("</h2>");
        out.putBytes("<h3>");
        out.putEscaped(QCoreApplication::translate("HtmlExport", "ITEM_COUNT"));
        for (const int column : HeadingColumns) {
            out.putEscaped(caption(column));
            out.putBytes(";");
        }
        out.line("</h3>");
    }

    // The print settings are read for the table only: the other layouts do not depend on them.
    std::optional<PrintSettings> settings;
    std::optional<TableWriter> table;
    if (page.asTable) {
        settings.emplace();
        table.emplace(out, collection, *settings);
        table->writeHead();
    } else {
        out.line("<Items>");
    }

    collection.sort(0);
    ItemElementWriter elements(out, collection, 2);
    if (page.singleItem != nullptr) {
        elements.writeItem(*page.singleItem, { .semicolon = false, .lineBreak = true, .caption = true, .skip = false });
    } else {
        // The table's rows come in the printed list's order, which is the item list's.
        std::vector<const Item*> items;
        if (page.asTable) {
            items = ListPrinting::printOrder(collection, settings->sortMethod);
        } else {
            items.reserve(collection.items().size());
            for (const auto& item : collection.items())
                items.push_back(item.get());
        }
        int counter = 1;
        int row = 0;
        for (const Item* item : items) {
            out.line("<p>");
            if (page.showSpecialCase) {
                if (item->priceToday() == 0.0) {
                    out.putNumber(counter++);
                    out.putBytes("; ");
                    elements.writeItem(*item,
                                       { .semicolon = true, .lineBreak = false, .caption = false, .skip = true });
                }
            } else if (page.asTable) {
                // Rows left out by the filters still take their number.
                if (settings->printsItem(*item))
                    table->writeRow(*item, row);
                ++row;
            } else {
                out.putNumber(counter++);
                out.putBytes("; ");
                elements.writeItem(*item, { .semicolon = true, .lineBreak = false, .caption = false, .skip = false });
            }
            out.line("</p>");
        }
    }

    out.line(page.asTable ? "</table>" : "</Items>");
    out.line("</body>");
    out.line("</html>");
    return out.finish();
}

bool saveAsHtml(DBItemCollection& collection, const QString& path, bool showHeading, const Item* singleItem,
                bool showSpecialCase, bool asTable, FileWriteOutcome* outcome)
{
    WaitCursor wait;
    const HtmlPage page{ path, showHeading, singleItem, showSpecialCase, asTable };
    FileWriteOutcome result
        = writeFileSafely(path, [&](QIODevice& device) { return writeHtml(collection, device, page); });
    const bool written = result.written;
    if (outcome)
        *outcome = std::move(result);
    return written;
}
