#include "CsvExport.h"

#include "CsvFields.h"
#include "CsvWriter.h"
#include "Item.h"
#include "LookupList.h"

#include <charconv>

CsvStyle CsvStyle::forLanguage(const QByteArray& language)
{
    if (language == "en")
        return { u',', u'.' };
    return { u';', u',' };
}

namespace {

QString entryName(const LookupList& list, int index)
{
    return index >= 0 && index < list.size() ? list.at(index) : QString::number(index);
}

} // namespace

namespace CsvExport {

QByteArray write(const std::vector<const Item*>& items, const LookupList& groups, const LookupList& locations,
                 const QStringList& header, const CsvStyle& style)
{
    CsvWriter writer(style.delimiter);
    // Room for every text and some for the figures, delimiters and quotes: the text then never
    // has to move while it grows.
    qsizetype characters = 1024;
    for (const Item* item : items) {
        for (int field = 0; field < Item::TextFieldCount; ++field)
            characters += item->textView(Item::TextField(field)).size();
        characters += 80;
    }
    writer.reserve(characters);
    for (const QString& cell : header)
        writer.addField(cell);
    writer.endRecord();
    const char mark = char(style.decimalMark.toLatin1());
    char buffer[CsvFigureBuffer];
    for (const Item* item : items) {
        for (int field = 0; field < CsvFields::FieldCount; ++field) {
            switch (field) {
            case CsvFields::Group:
                writer.addField(entryName(groups, item->type()));
                break;
            case CsvFields::Location:
                writer.addField(entryName(locations, item->location()));
                break;
            case CsvFields::NumberOfItems: {
                const auto result = std::to_chars(buffer, buffer + sizeof buffer, item->number_of_items());
                writer.addField(QLatin1StringView(buffer, result.ptr));
                break;
            }
            case CsvFields::Price:
                writer.addField(QLatin1StringView(buffer, csvFigure(item->price(), mark, buffer)));
                break;
            case CsvFields::PriceToday:
                writer.addField(QLatin1StringView(buffer, csvFigure(item->priceToday(), mark, buffer)));
                break;
            default:
                writer.addField(item->textView(Item::TextField(CsvFields::textField(field))));
            }
        }
        writer.endRecord();
    }
    return writer.utf8WithBom();
}

} // namespace CsvExport
