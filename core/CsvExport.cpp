#include "CsvExport.h"

#include "CsvFields.h"
#include "CsvWriter.h"
#include "Item.h"
#include "LookupList.h"

CsvStyle CsvStyle::forLanguage(const QByteArray& language)
{
    if (language == "en")
        return { u',', u'.' };
    return { u';', u',' };
}

namespace CsvExport {

namespace {

QString entryName(const LookupList& list, int index)
{
    return index >= 0 && index < list.size() ? list.at(index) : QString::number(index);
}

} // namespace

QByteArray write(const std::vector<const Item*>& items, const LookupList& groups, const LookupList& locations,
                 const QStringList& header, const CsvStyle& style)
{
    CsvWriter writer(style.delimiter);
    writer.reserve(qsizetype(items.size()) * 160 + 1024);
    for (const QString& cell : header)
        writer.addField(cell);
    writer.endRecord();
    for (const Item* item : items) {
        for (int field = 0; field < CsvFields::FieldCount; ++field) {
            switch (field) {
            case CsvFields::Group:
                writer.addField(entryName(groups, item->type()));
                break;
            case CsvFields::Location:
                writer.addField(entryName(locations, item->location()));
                break;
            case CsvFields::NumberOfItems:
                writer.addField(QString::number(item->number_of_items()));
                break;
            case CsvFields::Price:
                writer.addField(csvFigure(item->price(), style.decimalMark));
                break;
            case CsvFields::PriceToday:
                writer.addField(csvFigure(item->priceToday(), style.decimalMark));
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
