#pragma once

#include "ProgramVariant.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QSet>
#include <QString>
#include <QStringList>

#include <array>

class Item;
class LookupList;

// The item fields as a spreadsheet file holds them: one column each, in the order of the
// columns of the item list. Group and location travel by name.
namespace CsvFields {

enum Field {
    Group,
    Name,
    Product,
    ProductModel,
    NumberOfItems,
    Price,
    PriceToday,
    Photolink,
    Receipt,
    Date,
    Location,
    Description,
    Supplier,
    Address,
    Serialno,
    Www,
    Document,
    Extra1,
    Extra2,
    Extra3,
    Extra4,
    FieldCount
};

// The three user interface languages, in the order the caption tables use.
constexpr std::array<const char*, 3> Languages{ "dk", "no", "en" };

// The caption a field has where no label names it, in a language ("dk", "no" or "en").
QString defaultCaption(int field, const QByteArray& language);
// The entry of the field-label list that names a field.
int labelIndex(int field);
// The text field of an item a field is, or -1 for group, location, count and the prices.
int textField(int field);

// The header of an export: per field its label from the list (without "&" marks), or the
// default caption in the language where the label is empty or names an earlier column too.
QStringList header(const QStringList& labels, const QByteArray& language);

// A header cell as it is compared: trimmed, without "&" marks and trailing ":", lower case.
QString normalised(const QString& text);

// What a header cell may say for each field: the labels of every list given, the default
// captions of the three languages and the cells of the exports made with them.
class HeaderNames
{
public:
    // labelLists: field-label lists (of the database and of the product's own files, in any
    // language).
    explicit HeaderNames(const QList<QStringList>& labelLists);

    // Whether a header is one an export writes: every cell, in order, names its field.
    bool isExportHeader(const QStringList& cells) const;
    // For each cell the field it names (the first not yet taken), or -1.
    QList<int> guess(const QStringList& cells) const;

private:
    // Every name, normalised, with the fields it names (bit n for field n).
    QHash<QString, quint32> m_fields;
};

// The field-label lists that name the product's fields in the three languages: those of the
// database folder, where it has them, and those the program ships for the product.
QList<QStringList> labelListsFor(const QString& databaseDir, ProgramVariant variant);

} // namespace CsvFields
