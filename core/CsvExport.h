#pragma once

#include <QByteArray>
#include <QChar>
#include <QStringList>

#include <vector>

class Item;
class LookupList;

// How figures and fields are separated in a spreadsheet file. Danish and Norwegian spreadsheet
// programs read ";" between fields and a decimal comma; English ones "," and a point.
struct CsvStyle
{
    QChar delimiter = u';';
    QChar decimalMark = u',';

    static CsvStyle forLanguage(const QByteArray& language);
};

namespace CsvExport {

// The file of an export: UTF-8 with a byte-order mark, the header, then one record per item
// with every field in the order of CsvFields. Group and location are written by name; a number
// that names no entry of its list is written as the number.
QByteArray write(const std::vector<const Item*>& items, const LookupList& groups, const LookupList& locations,
                 const QStringList& header, const CsvStyle& style);

} // namespace CsvExport
