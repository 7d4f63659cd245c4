#include "CsvFields.h"

#include "DataPaths.h"
#include "Item.h"
#include "LookupList.h"

#include <QDir>
#include <QFileInfo>

#include <bit>

using namespace CsvFields;

namespace {

// clang-format off
// Default captions: Danish as the item list heads its columns, then Norwegian and English.
constexpr std::array<std::array<const char*, FieldCount>, 3> Captions{ {
    { "Gruppe", "Navn", "Fabrikat", "Produkt model", "Antal", "Pris", "Vurd.", "Billede", "Kvitt.", "Dato",
      "Rum", "Beskrivelse", "Leverand\xc3\xb8r", "Adresse", "Serie no.", "Www", "Dok.",
      "Extra1", "Extra2", "Extra3", "Extra4" },
    { "Gruppe", "Navn", "Fabrikat", "Produktmodell", "Antall", "Pris", "Verdi", "Bilde", "Kvittering", "Dato",
      "Rom", "Beskrivelse", "Leverand\xc3\xb8r", "Adresse", "Serienr.", "Www", "Dok.",
      "Ekstra1", "Ekstra2", "Ekstra3", "Ekstra4" },
    { "Group", "Name", "Make", "Product model", "Count", "Price", "Value today", "Picture", "Receipt", "Date",
      "Room", "Description", "Supplier", "Address", "Serial no.", "Www", "Document",
      "Extra1", "Extra2", "Extra3", "Extra4" },
} };

// The column names of the database file header and the element names of the XML export, which
// people who built their sheet from those may have used.
constexpr std::array<std::array<const char*, 2>, FieldCount> FileNames{ {
    { "group", "type" }, { "name", "year" }, { "product", "mat" }, { "producttype", "model" },
    { "number_of_items", "numberofitems" }, { "price", "" }, { "pricetoday", "" }, { "photolink", "picturelink" },
    { "receipt", "receiptlink" }, { "date", "" }, { "location", "crown" }, { "description", "" },
    { "supplier", "catalog" }, { "address", "quality" }, { "serialno", "serialnumber" }, { "www", "wwwlink" },
    { "document", "documentlink" }, { "extra1", "" }, { "extra2", "" }, { "extra3", "" }, { "extra4", "" },
} };
// clang-format on

constexpr std::array<int, FieldCount> LabelIndexes{ 0, 1,  2,  16, 3,  4,  5,  6,  14, 7, 8,
                                                    9, 10, 11, 12, 13, 15, 17, 18, 19, 20 };

// clang-format off
constexpr std::array<int, FieldCount> TextFields{
    -1,              Item::Name,    Item::Product, Item::ProductModel, -1,                -1,             -1,
    Item::Photolink, Item::Receipt, Item::Date,    -1,                 Item::Description, Item::Supplier,
    Item::Address,   Item::Serialno, Item::Www,    Item::Document,     Item::Extra1,      Item::Extra2,
    Item::Extra3,    Item::Extra4,
};
// clang-format on

int languageIndex(const QByteArray& language)
{
    for (int i = 0; i < int(Languages.size()); ++i) {
        if (language == Languages[i])
            return i;
    }
    return 0;
}

// A label as it names a column: without "&" marks; the placeholder words of an unfinished
// labels file name nothing.
QString labelText(const QStringList& labels, int field)
{
    const int index = labelIndex(field);
    QString label = labels.value(index);
    label.remove(u'&');
    label = label.trimmed();
    if ((index == 15 && label.contains(QLatin1StringView("COLUMN"), Qt::CaseInsensitive))
        || (index == 16 && label.contains(QLatin1StringView("FIELD"), Qt::CaseInsensitive)))
        return {};
    return label;
}

} // namespace

namespace CsvFields {

QString defaultCaption(int field, const QByteArray& language)
{
    if (field < 0 || field >= FieldCount)
        return {};
    return QString::fromUtf8(Captions[languageIndex(language)][field]);
}

int labelIndex(int field)
{
    return field >= 0 && field < FieldCount ? LabelIndexes[field] : -1;
}

int textField(int field)
{
    return field >= 0 && field < FieldCount ? TextFields[field] : -1;
}

QStringList header(const QStringList& labels, const QByteArray& language)
{
    QStringList cells;
    QSet<QString> used;
    for (int field = 0; field < FieldCount; ++field) {
        QString cell = labelText(labels, field);
        if (cell.isEmpty() || used.contains(normalised(cell)))
            cell = defaultCaption(field, language);
        // A label of another column may say what this field's caption says.
        if (used.contains(normalised(cell)))
            cell += QStringLiteral(" (%1)").arg(field + 1);
        used.insert(normalised(cell));
        cells.append(cell);
    }
    return cells;
}

QString normalised(const QString& text)
{
    QString plain = text;
    plain.remove(u'&');
    plain = plain.trimmed();
    while (plain.endsWith(u':'))
        plain.chop(1);
    return plain.trimmed().toCaseFolded();
}

HeaderNames::HeaderNames(const QList<QStringList>& labelLists)
{
    static_assert(FieldCount <= 32, "a name's fields are bits of 32");
    auto add = [](QHash<QString, quint32>& fields, const QString& name, int field) {
        if (!name.isEmpty())
            fields[name] |= 1u << field;
    };
    // The names every product knows are gathered once; the maps share them until labels are
    // added.
    static const QHash<QString, quint32> defaults = [&add] {
        QHash<QString, quint32> fields;
        for (int field = 0; field < FieldCount; ++field) {
            for (const char* language : Languages)
                add(fields, normalised(defaultCaption(field, language)), field);
            for (const char* name : FileNames[field]) {
                if (*name)
                    add(fields, QString::fromLatin1(name), field);
            }
        }
        const QStringList none;
        for (const char* language : Languages) {
            const QStringList cells = header(none, language);
            for (int field = 0; field < FieldCount; ++field)
                add(fields, normalised(cells[field]), field);
        }
        return fields;
    }();
    m_fields = defaults;
    for (const QStringList& labels : labelLists) {
        for (int field = 0; field < FieldCount; ++field)
            add(m_fields, normalised(labelText(labels, field)), field);
        for (const char* language : Languages) {
            const QStringList cells = header(labels, language);
            for (int field = 0; field < FieldCount; ++field)
                add(m_fields, normalised(cells[field]), field);
        }
    }
}

bool HeaderNames::isExportHeader(const QStringList& cells) const
{
    if (cells.size() != FieldCount)
        return false;
    for (int field = 0; field < FieldCount; ++field) {
        if (!(m_fields.value(normalised(cells[field])) & (1u << field)))
            return false;
    }
    return true;
}

QList<int> HeaderNames::guess(const QStringList& cells) const
{
    QList<int> fields(cells.size(), -1);
    QList<quint32> named(cells.size(), 0);
    for (int column = 0; column < cells.size(); ++column)
        named[column] = m_fields.value(normalised(cells[column]));
    quint32 taken = 0;
    // A cell that names its own position's field keeps it; the others take the first free one.
    for (int column = 0; column < cells.size() && column < FieldCount; ++column) {
        if (named[column] & (1u << column)) {
            fields[column] = column;
            taken |= 1u << column;
        }
    }
    for (int column = 0; column < cells.size(); ++column) {
        const quint32 free = named[column] & ~taken;
        if (fields[column] >= 0 || !free)
            continue;
        fields[column] = std::countr_zero(free);
        taken |= 1u << fields[column];
    }
    return fields;
}

QList<QStringList> labelListsFor(const QString& databaseDir, ProgramVariant variant)
{
    QList<QStringList> lists;
    const QString shipped = dataPath(demoDatabaseDir(variant));
    for (const char* language : Languages) {
        const QString name = QStringLiteral("fields/fields.%1.txt").arg(QLatin1StringView(language));
        for (const QString& folder : { databaseDir, shipped }) {
            if (folder.isEmpty())
                continue;
            LookupList labels(30);
            if (labels.LoadFromFile(QDir(folder).filePath(name)))
                lists.append(labels.entries());
        }
    }
    return lists;
}

} // namespace CsvFields
