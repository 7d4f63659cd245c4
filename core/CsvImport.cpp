#include "CsvImport.h"

#include "CsvFields.h"
#include "DBItemCollection.h"
#include "EField.h"
#include "LookupList.h"
#include "ProgramVariant.h"

#include <QDate>
#include <QHash>
#include <QSet>

#include <array>
#include <charconv>
#include <climits>
#include <string>

namespace {

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// The records that hold data: after the header, when there is one.
qsizetype firstDataRecord(const CsvImport::File& file, bool hasHeader)
{
    return hasHeader && !file.records.isEmpty() ? 1 : 0;
}

// Why a text cannot be stored as it stands, or empty when it can. Line breaks are kept where
// the database file can hold them.
QString textProblem(QStringView text, bool lineBreaks)
{
    if (text.size() > EStringField::MaxLength)
        return CsvImport::tr("CSV_TEXT_TOO_LONG %1").arg(EStringField::MaxLength);
    for (const QChar c : text) {
        if (c == u';')
            return CsvImport::tr("CSV_TEXT_HOLDS_SEMICOLON");
        if (c.unicode() > 0xff || (c.unicode() < 0x20 && !(lineBreaks && (c == u'\n' || c == u'\t')))) {
            const QString shown = c.unicode() < 0x20 || c.isSpace()
                ? QStringLiteral("U+%1").arg(c.unicode(), 4, 16, QChar(u'0')).toUpper()
                : QString(c);
            return CsvImport::tr("CSV_CHARACTER_NOT_STORABLE %1").arg(shown);
        }
    }
    return {};
}

// Names of a list to positions: the entries (the first of equal ones counts), then the names
// a file adds, as -2 - n for the n-th.
class NameIndex
{
public:
    explicit NameIndex(const LookupList& list)
    {
        m_index.reserve(list.size());
        for (int i = list.size() - 1; i >= 0; --i)
            m_index.insert(list.at(i), i);
    }

    // The position of a name (trimmed; empty gives -1), noting an unknown one in unknown.
    int positionOf(const QString& cell, QStringList& unknown)
    {
        const QStringView name = QStringView(cell).trimmed();
        if (name.isEmpty())
            return -1;
        // The cell may refer to the file's text; what the index keeps is a copy of its own.
        const QString key = name.size() == cell.size() ? cell : name.toString();
        const auto found = m_index.constFind(key);
        if (found != m_index.constEnd())
            return *found;
        const int position = -2 - int(unknown.size());
        const QString copy(key.constData(), key.size());
        unknown.append(copy);
        m_index.insert(copy, position);
        return position;
    }

private:
    QHash<QString, int> m_index;
};

} // namespace

CsvImport::File CsvImport::read(const QByteArray& bytes)
{
    File file;
    file.text = Csv::decode(bytes, &file.encoding);
    file.delimiter = Csv::detectDelimiter(file.text);
    file.records = Csv::parse(file.text, file.delimiter, true);
    return file;
}

std::optional<CsvImport::Mapping> CsvImport::recognise(const File& file, const QList<QStringList>& labelLists)
{
    if (file.records.isEmpty())
        return std::nullopt;
    QStringList header = file.records.front().fields;
    while (header.size() > CsvFields::FieldCount && header.back().trimmed().isEmpty())
        header.removeLast();
    if (!CsvFields::HeaderNames(labelLists).isExportHeader(header))
        return std::nullopt;
    Mapping mapping;
    for (int field = 0; field < CsvFields::FieldCount; ++field)
        mapping.fields.append(field);
    mapping.hasHeader = true;
    mapping.decimalMark = guessDecimalMark(file, mapping.fields, true);
    return mapping;
}

CsvImport::Mapping CsvImport::guess(const File& file, const QList<QStringList>& labelLists)
{
    Mapping mapping;
    if (file.records.isEmpty())
        return mapping;
    const QStringList& first = file.records.front().fields;
    mapping.fields = CsvFields::HeaderNames(labelLists).guess(first);
    // A first record that names no field is a header still when it holds words where the next
    // one holds figures or dates.
    mapping.hasHeader = std::any_of(mapping.fields.begin(), mapping.fields.end(), [](int f) { return f >= 0; });
    if (!mapping.hasHeader && file.records.size() > 1) {
        const QStringList& second = file.records[1].fields;
        auto dataLike
            = [](const QString& cell) { return readFigure(cell, u',') || readFigure(cell, u'.') || readDate(cell); };
        for (qsizetype column = 0; column < first.size() && column < second.size(); ++column) {
            if (!first[column].trimmed().isEmpty() && !dataLike(first[column]) && dataLike(second[column]))
                mapping.hasHeader = true;
        }
    }
    qsizetype columns = 0;
    for (const Csv::Record& record : file.records)
        columns = std::max(columns, record.fields.size());
    while (mapping.fields.size() < columns)
        mapping.fields.append(-1);
    mapping.decimalMark = guessDecimalMark(file, mapping.fields, mapping.hasHeader);
    return mapping;
}

QChar CsvImport::guessDecimalMark(const File& file, const QList<int>& fields, bool hasHeader)
{
    int comma = 0;
    int point = 0;
    for (qsizetype r = firstDataRecord(file, hasHeader); r < file.records.size() && r < 1000; ++r) {
        const QStringList& cells = file.records[r].fields;
        for (qsizetype column = 0; column < cells.size() && column < fields.size(); ++column) {
            if (fields[column] != CsvFields::Price && fields[column] != CsvFields::PriceToday)
                continue;
            const QStringView cell = QStringView(cells[column]).trimmed();
            if (cell.isEmpty())
                continue;
            const bool readsWithComma = readFigure(cell, u',').has_value();
            const bool readsWithPoint = readFigure(cell, u'.').has_value();
            // "1.500" reads either way; only what one mark alone reads tells them apart.
            if (readsWithComma && !readsWithPoint)
                ++comma;
            else if (readsWithPoint && !readsWithComma)
                ++point;
            else if (readsWithComma && readsWithPoint) {
                const qsizetype mark = std::max(cell.lastIndexOf(u','), cell.lastIndexOf(u'.'));
                // One mark with other than three digits after it is a decimal mark.
                if (mark >= 0 && cell.size() - mark - 1 != 3)
                    ++(cell[mark] == u',' ? comma : point);
            }
        }
    }
    if (comma != point)
        return comma > point ? u',' : u'.';
    return file.delimiter == u',' ? u'.' : u',';
}

std::optional<double> CsvImport::readFigure(QStringView text, QChar decimalMark)
{
    QStringView figure = text.trimmed();
    std::string plain;
    if (figure.startsWith(u'-')) {
        plain += '-';
        figure = figure.mid(1).trimmed();
    }
    const qsizetype mark = figure.indexOf(decimalMark);
    const QStringView whole = mark < 0 ? figure : figure.left(mark);
    const QStringView decimals = mark < 0 ? QStringView() : figure.mid(mark + 1);
    if (mark >= 0 && decimals.isEmpty())
        return std::nullopt;
    // Grouping marks (the other mark, or the spaces some programs group with) only between
    // groups of three digits: "1.499,50", "1 499.50".
    const QChar grouping = decimalMark == u',' ? u'.' : u',';
    qsizetype groupDigits = 0;
    bool grouped = false;
    for (const QChar c : whole) {
        if (isDigit(c)) {
            plain += char(c.unicode());
            ++groupDigits;
            continue;
        }
        const bool groupMark = c == grouping || c == u' ' || c == QChar(0xa0) || c == QChar(0x202f);
        if (!groupMark || groupDigits == 0 || groupDigits > 3 || (grouped && groupDigits != 3))
            return std::nullopt;
        grouped = true;
        groupDigits = 0;
    }
    if (grouped && groupDigits != 3)
        return std::nullopt;
    if (whole.isEmpty())
        plain += '0';
    if (mark >= 0) {
        plain += '.';
        for (const QChar c : decimals) {
            if (!isDigit(c))
                return std::nullopt;
            plain += char(c.unicode());
        }
    }
    if (whole.isEmpty() && decimals.isEmpty())
        return std::nullopt;
    double value = 0.0;
    const char* end = plain.data() + plain.size();
    const auto result = std::from_chars(plain.data(), end, value);
    if (result.ec != std::errc() || result.ptr != end)
        return std::nullopt;
    return value;
}

std::optional<int> CsvImport::readWholeNumber(QStringView text)
{
    QStringView number = text.trimmed();
    const bool negative = number.startsWith(u'-');
    if (negative)
        number = number.mid(1);
    if (number.isEmpty() || number.size() > 10)
        return std::nullopt;
    long long value = 0;
    for (const QChar c : number) {
        if (!isDigit(c))
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    if (value > INT_MAX)
        return std::nullopt;
    return int(negative ? -value : value);
}

std::optional<QString> CsvImport::readDate(QStringView text)
{
    // Read by hand: the toolkit's format parser costs more than the rest of a row together.
    const QStringView date = text.trimmed();
    int parts[3] = {};
    int digits[3] = {};
    int part = 0;
    QChar separator;
    for (const QChar c : date) {
        if (isDigit(c)) {
            if (++digits[part] > 4)
                return std::nullopt;
            parts[part] = parts[part] * 10 + (c.unicode() - u'0');
        } else if ((c == u'.' || c == u'-' || c == u'/') && part < 2 && digits[part] > 0
                   && (separator.isNull() || c == separator)) {
            separator = c;
            ++part;
        } else {
            return std::nullopt;
        }
    }
    if (part != 2 || digits[2] == 0)
        return std::nullopt;
    int year = 0;
    int month = parts[1];
    int day = 0;
    if (digits[0] == 4 && separator == u'-' && digits[2] <= 2) {
        // yyyy-MM-dd
        year = parts[0];
        day = parts[2];
    } else if (digits[2] == 4 && digits[0] <= 2 && digits[1] <= 2) {
        // dd.MM.yyyy, dd-MM-yyyy, d/M/yyyy
        day = parts[0];
        year = parts[2];
    } else {
        return std::nullopt;
    }
    if (digits[1] > 2 || !QDate::isValid(year, month, day))
        return std::nullopt;
    QString result(10, u'0');
    auto put = [&result](qsizetype at, int value, int width) {
        for (int i = width - 1; i >= 0; --i, value /= 10)
            result[at + i] = QChar(u'0' + value % 10);
    };
    put(0, day, 2);
    result[2] = u'.';
    put(3, month, 2);
    result[5] = u'.';
    put(6, year, 4);
    return result;
}

CsvImport::Plan CsvImport::prepare(const File& file, const Mapping& mapping, const DBItemCollection& collection)
{
    Plan plan;
    const qsizetype columns = mapping.fields.size();
    qsizetype lastMapped = -1;
    for (qsizetype column = 0; column < columns; ++column) {
        if (mapping.fields[column] >= 0)
            lastMapped = column;
    }
    const qsizetype headerCells
        = mapping.hasHeader && !file.records.isEmpty() ? file.records.front().fields.size() : lastMapped + 1;
    // Products whose files end before the extra fields skip the rest of a line after them.
    const bool extrasHoldLineBreaks = isStockvane() || isPictova();
    // Stock numbers are unique; those already used, in the database or higher up in the file.
    QSet<QString> serials;
    if (isStockvane()) {
        serials.reserve(qsizetype(collection.items().size()) + file.records.size());
        for (const auto& item : collection.items())
            serials.insert(item->textView(Item::Serialno).trimmed().toString());
        serials.remove(QString());
    }
    NameIndex groupIndex(collection.groups());
    NameIndex locationIndex(collection.locations());
    const qsizetype serialColumn = mapping.fields.indexOf(int(CsvFields::Serialno));
    plan.items.reserve(size_t(file.records.size()));
    plan.lines.reserve(size_t(file.records.size()));
    plan.groups.reserve(size_t(file.records.size()));
    plan.locations.reserve(size_t(file.records.size()));
    // What a problem calls a column: its header cell, or without a header its number.
    auto caption = [&file, &mapping](qsizetype column) {
        const QString cell = mapping.hasHeader && !file.records.isEmpty()
            ? file.records.front().fields.value(column).trimmed()
            : QString();
        // A copy of its own: the header cell may refer to the file's text.
        return cell.isEmpty() ? tr("CSV_COLUMN %1").arg(column + 1) : QString(cell.constData(), cell.size());
    };

    for (qsizetype r = firstDataRecord(file, mapping.hasHeader); r < file.records.size(); ++r) {
        const Csv::Record& record = file.records[r];
        auto problem = [&plan, &record](const QString& reason) { plan.problems.append({ record.line, reason }); };
        if (record.unclosedQuote) {
            problem(tr("CSV_QUOTE_NOT_CLOSED"));
            continue;
        }
        const QStringList& cells = record.fields;
        bool empty = true;
        for (qsizetype column = 0; column < cells.size() && column < columns; ++column) {
            if (mapping.fields[column] >= 0 && !QStringView(cells[column]).trimmed().isEmpty())
                empty = false;
        }
        if (empty)
            continue;
        if (cells.size() < std::max(headerCells, lastMapped + 1)) {
            problem(tr("CSV_TOO_FEW_CELLS %1 %2").arg(cells.size()).arg(std::max(headerCells, lastMapped + 1)));
            continue;
        }
        bool extraCellsEmpty = true;
        for (qsizetype column = std::max(headerCells, columns); column < cells.size(); ++column)
            extraCellsEmpty = extraCellsEmpty && QStringView(cells[column]).trimmed().isEmpty();
        if (!extraCellsEmpty) {
            problem(tr("CSV_TOO_MANY_CELLS %1 %2").arg(cells.size()).arg(headerCells));
            continue;
        }

        auto item = std::make_unique<Item>();
        item->setNumber_of_items(1);
        const QString* groupName = nullptr;
        const QString* locationName = nullptr;
        QStringList reasons;
        // The texts are set together at the end: one allocation per item instead of sixteen.
        std::array<QString, Item::TextFieldCount> normalisedTexts;
        std::array<QStringView, Item::TextFieldCount> texts{};
        for (qsizetype column = 0; column < columns && column < cells.size(); ++column) {
            const int field = mapping.fields[column];
            if (field < 0)
                continue;
            const QString& cell = cells[column];
            const QStringView trimmed = QStringView(cell).trimmed();
            auto fail = [&reasons, &caption, column](const QString& why) {
                reasons.append(caption(column) + QStringLiteral(": ") + why);
            };
            switch (field) {
            case CsvFields::Price:
            case CsvFields::PriceToday: {
                if (trimmed.isEmpty())
                    break;
                const auto value = readFigure(trimmed, mapping.decimalMark);
                if (!value)
                    fail(tr("CSV_NOT_A_FIGURE %1").arg(cell));
                else if (field == CsvFields::Price)
                    item->setPrice(*value);
                else
                    item->setPriceToday(*value);
                break;
            }
            case CsvFields::NumberOfItems: {
                if (trimmed.isEmpty())
                    break;
                const auto value = readWholeNumber(trimmed);
                if (!value)
                    fail(tr("CSV_NOT_A_WHOLE_NUMBER %1").arg(cell));
                else
                    item->setNumber_of_items(*value);
                break;
            }
            case CsvFields::Date: {
                if (trimmed.isEmpty())
                    break;
                const auto value = readDate(trimmed);
                if (!value)
                    fail(tr("CSV_NOT_A_DATE %1").arg(cell));
                else
                    normalisedTexts[Item::Date] = *value;
                texts[Item::Date] = normalisedTexts[Item::Date];
                break;
            }
            case CsvFields::Group:
            case CsvFields::Location: {
                if (const QString why = textProblem(trimmed, false); !why.isEmpty())
                    fail(why);
                (field == CsvFields::Group ? groupName : locationName) = &cell;
                break;
            }
            default: {
                const int text = CsvFields::textField(field);
                QStringView value = cell;
                if (cell.contains(u'\r')) {
                    normalisedTexts[text] = cell;
                    normalisedTexts[text].replace(QLatin1StringView("\r\n"), QLatin1StringView("\n"));
                    normalisedTexts[text].replace(u'\r', u'\n');
                    value = normalisedTexts[text];
                }
                const bool lineBreaks = text < Item::Extra1 || extrasHoldLineBreaks;
                if (const QString why = textProblem(value, lineBreaks); !why.isEmpty())
                    fail(why);
                else
                    texts[text] = value;
            }
            }
        }
        item->setTexts(texts);
        if (isStockvane() && reasons.isEmpty()) {
            const QStringView view = item->textView(Item::Serialno).trimmed();
            // The set lives no longer than the file, so the cell itself may stand in it.
            const QString serial = serialColumn >= 0 && cells[serialColumn].size() == view.size() ? cells[serialColumn]
                                                                                                  : view.toString();
            const qsizetype known = serials.size();
            if (!serial.isEmpty() && (serials.insert(serial), serials.size() == known))
                reasons.append(tr("CSV_SERIAL_NUMBER_EXISTS %1").arg(serial));
        }
        if (!reasons.isEmpty()) {
            problem(reasons.join(QStringLiteral("; ")));
            continue;
        }
        plan.groups.push_back(groupName ? groupIndex.positionOf(*groupName, plan.unknownGroups) : -1);
        plan.locations.push_back(locationName ? locationIndex.positionOf(*locationName, plan.unknownLocations) : -1);
        plan.items.push_back(std::move(item));
        plan.lines.push_back(record.line);
    }
    return plan;
}

int CsvImport::apply(Plan& plan, DBItemCollection& collection, const Resolution& resolution, QString* error)
{
    auto extended = [](const LookupList& list, const QStringList& names) {
        QStringList entries = list.entries();
        entries.append(names);
        return entries;
    };
    const bool addGroups = resolution.addGroups && !plan.unknownGroups.isEmpty();
    const bool addLocations = resolution.addLocations && !plan.unknownLocations.isEmpty();
    if ((addGroups && collection.groups().size() + plan.unknownGroups.size() > collection.groups().maxEntries())
        || (addLocations
            && collection.locations().size() + plan.unknownLocations.size() > collection.locations().maxEntries())) {
        if (error)
            *error = tr("CSV_LIST_FULL %1").arg(collection.groups().maxEntries());
        return -1;
    }
    const int firstGroup = collection.groups().size();
    const int firstLocation = collection.locations().size();
    if (addGroups) {
        const int before = collection.groups().size();
        collection.saveLookupList(DBItemCollection::ListKind::Groups,
                                  extended(collection.groups(), plan.unknownGroups));
        if (collection.groups().size() == before) {
            if (error)
                *error = tr("CSV_LIST_NOT_CHANGED");
            return -1;
        }
    }
    if (addLocations) {
        const int before = collection.locations().size();
        collection.saveLookupList(DBItemCollection::ListKind::Locations,
                                  extended(collection.locations(), plan.unknownLocations));
        if (collection.locations().size() == before) {
            if (error)
                *error = tr("CSV_LIST_NOT_CHANGED");
            return -1;
        }
    }

    // Where the added names start in the lists, or where their items go instead.
    auto position = [](int planned, bool added, int firstAdded, int chosen) {
        if (planned == -1)
            return 0;
        if (planned >= 0)
            return planned;
        return added ? firstAdded + (-2 - planned) : chosen;
    };

    std::vector<Item*> unnumbered;
    const int count = int(plan.items.size());
    for (int i = 0; i < count; ++i) {
        std::unique_ptr<Item>& item = plan.items[size_t(i)];
        item->setType(position(plan.groups[size_t(i)], addGroups, firstGroup, resolution.group));
        item->setLocation(position(plan.locations[size_t(i)], addLocations, firstLocation, resolution.location));
        const bool number = isStockvane() && item->textView(Item::Serialno).trimmed().isEmpty();
        Item* added = collection.addItem(std::move(item));
        if (number)
            unnumbered.push_back(added);
    }
    // Stock articles without a number are numbered on from the highest, as new ones are.
    if (!unnumbered.empty()) {
        QString number = collection.highestSerialNumber();
        for (Item* item : unnumbered) {
            number = DBItemCollection::nextSerialNumber(number);
            item->setSerialno(number);
        }
    }
    plan = Plan();
    if (count > 0)
        DBItemCollection::setModified(true);
    return count;
}
