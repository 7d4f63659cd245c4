#include "DBItemCollection.h"

#include "LogXML.h"
#include "ModifiedObserver.h"
#include "Settings.h"
#include "UiReporter.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <limits>
#include <utility>

namespace {

bool g_modified = false;
std::function<void(bool)> g_modifiedObserver;
quint64 g_modificationCount = 0;
// Where the next search continues; one position for the whole process, -1 while unset.
qsizetype g_searchCursor = -1;

char16_t folded(char16_t c)
{
    // Latin-1 letters, the common case, from a table built once; everything else from Qt.
    static const auto latin1 = [] {
        std::array<char16_t, 256> table{};
        for (int i = 0; i < 256; ++i)
            table[i] = QChar::toCaseFolded(char16_t(i));
        return table;
    }();
    return c < 256 ? latin1[c] : QChar::toCaseFolded(c);
}

// Whether the text contains the needle, ignoring case; the needle is already case-folded.
// A search runs this over every item, so it avoids folding more than it has to.
bool containsFolded(QStringView text, QStringView needle)
{
    const qsizetype last = text.size() - needle.size();
    for (qsizetype i = 0; i <= last; ++i) {
        if (folded(text[i].unicode()) != needle[0].unicode())
            continue;
        qsizetype j = 1;
        while (j < needle.size() && folded(text[i + j].unicode()) == needle[j].unicode())
            ++j;
        if (j == needle.size())
            return true;
    }
    return false;
}

} // namespace

DBItemCollection::DBItemCollection(LogXML* log, UiReporter* reporter)
    : m_log(log)
    , m_reporter(reporter ? reporter : silentReporter())
    , m_groups(MaxListEntries)
    , m_locations(MaxListEntries)
    , m_suppliers(MaxListEntries)
    , m_fieldLabels(MaxFieldLabels)
    , m_databaseDir(GetLastDBDir())
{
    MakeDynamicLists();
}

DBItemCollection::DBItemCollection(const QString& path, LogXML* log, UiReporter* reporter)
    : DBItemCollection(log, reporter)
{
    LoadFromAsciiFile(path);
}

DBItemCollection::~DBItemCollection()
{
    deleteLockFile();
}

void DBItemCollection::clear()
{
    deleteLockFile();
    m_items.clear();
    m_cursor = 0;
    // The emptied collection no longer holds another user's database, so it may be saved
    // again (a new database); saving into a folder another user has locked stays refused.
    m_readOnly = false;
    m_lockInfo.clear();
    m_loadStoppedEarly = false;
    forgetPartialLoad();
    m_newerFormatFile.clear();
    m_newerFormatVersion.clear();
}

Item* DBItemCollection::addItem(std::unique_ptr<Item> item)
{
    // Owning the item makes adding it twice impossible without a double ownership that no
    // check here could mend, so no search is made.
    Item* added = item.get();
    if (!added)
        return nullptr;
    m_items.push_back(std::move(item));
    setModified(true);
    return added;
}

Item* DBItemCollection::insertItem(int index, std::unique_ptr<Item> item)
{
    Item* added = item.get();
    if (!added)
        return nullptr;
    index = std::clamp(index, 0, count());
    m_items.insert(m_items.begin() + index, std::move(item));
    setModified(true);
    return added;
}

std::vector<std::unique_ptr<Item>> DBItemCollection::takeItems()
{
    std::vector<std::unique_ptr<Item>> taken = std::move(m_items);
    m_items.clear();
    m_cursor = 0;
    return taken;
}

void DBItemCollection::putItems(std::vector<std::unique_ptr<Item>> items)
{
    m_items = std::move(items);
    m_cursor = 0;
}

void DBItemCollection::setListUnsaved(ListKind kind, const QStringList& entries)
{
    if (!m_unsavedLists.contains(kind))
        m_unsavedLists.insert(kind, list(kind).entries());
    list(kind).setEntries(entries);
}

bool DBItemCollection::hasUnsavedLists() const
{
    return !m_unsavedLists.isEmpty();
}

bool DBItemCollection::saveChangedLists()
{
    // Without a folder (a new database) they are written with the first save under a name.
    if (m_databaseDir.isEmpty())
        return true;
    bool saved = true;
    const QMap<ListKind, QStringList> unsaved = std::exchange(m_unsavedLists, {});
    for (auto written = unsaved.cbegin(); written != unsaved.cend(); ++written) {
        if (!writeLookupList(written.key(), list(written.key()).entries(), written.value())) {
            saved = false;
            m_unsavedLists.insert(written.key(), written.value());
        }
    }
    return saved;
}

const LookupList& DBItemCollection::lookupList(ListKind kind) const
{
    return const_cast<DBItemCollection*>(this)->list(kind);
}

std::unique_ptr<Item> DBItemCollection::removeItem(Item* item)
{
    const int index = indexOf(item);
    if (index < 0)
        return nullptr;
    std::unique_ptr<Item> removed = std::move(m_items[index]);
    m_items.erase(m_items.begin() + index);
    return removed;
}

int DBItemCollection::count() const
{
    return int(m_items.size());
}

Item* DBItemCollection::at(int index) const
{
    return index >= 0 && index < count() ? m_items[index].get() : nullptr;
}

int DBItemCollection::indexOf(const Item* item) const
{
    for (size_t i = 0; i < m_items.size(); ++i) {
        if (m_items[i].get() == item)
            return int(i);
    }
    return -1;
}

const std::vector<std::unique_ptr<Item>>& DBItemCollection::items() const
{
    return m_items;
}

int DBItemCollection::first()
{
    m_cursor = 0;
    return m_cursor;
}

int DBItemCollection::last()
{
    m_cursor = count();
    return m_cursor;
}

Item* DBItemCollection::previousItem(Item* item, bool& atStart) const
{
    const int index = indexOf(item);
    atStart = index <= 0;
    return atStart ? item : m_items[index - 1].get();
}

Item* DBItemCollection::nextItem(Item* item, bool& atEnd) const
{
    const int index = indexOf(item);
    atEnd = index < 0 || index == count() - 1;
    return atEnd ? item : m_items[index + 1].get();
}

qint64 DBItemCollection::itemCount(int group, bool sumUnits) const
{
    if (group > AllGroups || group < 0)
        return 0;
    qint64 result = 0;
    for (const auto& item : m_items) {
        if (group == AllGroups || item->type() == group)
            result += sumUnits ? item->number_of_items() : 1;
    }
    return result;
}

double DBItemCollection::total(int group, bool usePriceToday, bool usePrice) const
{
    if (group > AllGroups || group < 0)
        return 0.0;
    double result = 0.0;
    for (const auto& item : m_items) {
        if (group != AllGroups && item->type() != group)
            continue;
        if (usePriceToday)
            result += item->priceToday();
        else if (usePrice)
            result += item->price();
        else
            result += item->value();
    }
    return result;
}

int DBItemCollection::maxGroup() const
{
    int result = 0;
    for (size_t i = 0; i < m_items.size(); ++i)
        result = i == 0 ? m_items[i]->type() : std::max(result, m_items[i]->type());
    return result;
}

int DBItemCollection::maxLocation() const
{
    int result = 0;
    for (size_t i = 0; i < m_items.size(); ++i)
        result = i == 0 ? m_items[i]->location() : std::max(result, m_items[i]->location());
    return result;
}

namespace {

// The digits of a whole number of zero or more ("+12", " 0012 " give "12"); empty for other text.
QStringView wholeNumberDigits(QStringView text)
{
    text = text.trimmed();
    if (text.startsWith(u'+'))
        text = text.mid(1);
    if (text.isEmpty() || !std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; }))
        return {};
    while (text.size() > 1 && text.front() == u'0')
        text = text.mid(1);
    return text;
}

} // namespace

QString DBItemCollection::highestSerialNumber() const
{
    if (m_items.empty()) {
        const qint64 start
            = openSettings()->value(Setting::StartSerialNumber, Setting::StartSerialNumberDefault).toLongLong();
        if (start != 0)
            return QString::number(start);
    }
    // Without leading zeros, a longer number is the higher one; of two as long, the one that
    // sorts later.
    QStringView highest = u"0";
    for (const auto& item : m_items) {
        const QStringView digits = wholeNumberDigits(item->textView(Item::Serialno));
        if (digits.size() > highest.size() || (digits.size() == highest.size() && digits > highest))
            highest = digits;
    }
    return highest.toString();
}

QString DBItemCollection::nextSerialNumber(const QString& number)
{
    // Only the start setting can be below zero, and then it is within 64 bits.
    bool isInteger = false;
    const qint64 negative = number.toLongLong(&isInteger);
    if (isInteger && negative < 0)
        return QString::number(negative + 1);
    QString digits = wholeNumberDigits(number).toString();
    if (digits.isEmpty())
        return QStringLiteral("1");
    qsizetype i = digits.size() - 1;
    for (; i >= 0 && digits[i] == u'9'; --i)
        digits[i] = u'0';
    if (i < 0)
        digits.prepend(u'1');
    else
        digits[i] = QChar(digits[i].unicode() + 1);
    return digits;
}

template<typename Key>
void DBItemCollection::sortBy(Key key)
{
    // Keys are computed once per item, not once per comparison.
    using KeyType = decltype(key(*m_items.front()));
    std::vector<std::pair<KeyType, std::unique_ptr<Item>>> keyed;
    keyed.reserve(m_items.size());
    for (auto& item : m_items) {
        KeyType k = key(*item);
        keyed.emplace_back(std::move(k), std::move(item));
    }
    std::stable_sort(keyed.begin(), keyed.end(), [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t i = 0; i < keyed.size(); ++i)
        m_items[i] = std::move(keyed[i].second);
}

void DBItemCollection::sort(int key)
{
    if (m_items.empty())
        return;
    switch (key) {
    case 0:
        sortBy([](const Item& item) { return item.type(); });
        break;
    case 1:
        // By character codes: upper case before lower case, Æ, Ø and Å after the plain letters.
        sortBy([](const Item& item) { return item.textView(Item::Name); });
        break;
    case 2:
        sortBy([](const Item& item) { return item.textView(Item::Product); });
        break;
    case 5:
        sortBy([](const Item& item) { return item.value(); });
        break;
    case 9:
        // An invalid date sorts before every valid one.
        sortBy([](const Item& item) {
            const QDate date = item.dateValue();
            return date.isValid() ? date.toJulianDay() : std::numeric_limits<qint64>::min();
        });
        break;
    case 10:
        sortBy([](const Item& item) { return item.location(); });
        break;
    default:
        break;
    }
}

Item* DBItemCollection::findByGroupAndSerial(int group, const QString& serialno) const
{
    if (m_items.empty() || group < 0 || serialno.isEmpty())
        return nullptr;
    for (const auto& item : m_items) {
        if (item->type() == group && item->textView(Item::Serialno) == serialno)
            return item.get();
    }
    return nullptr;
}

Item* DBItemCollection::findNext(int key, const QString& text, bool continueSearch, bool& found)
{
    found = false;
    if (!continueSearch || g_searchCursor < 0)
        g_searchCursor = 0;
    if (m_items.empty() || text.isEmpty())
        return nullptr;

    // What the text is compared with, prepared once for the whole search.
    const int number = text.toInt();
    QString needle = text;
    for (QChar& c : needle)
        c = QChar(folded(c.unicode()));
    auto contains = [&needle](QStringView field) { return containsFolded(field, needle); };
    // A price matches when it is written as the text with no decimals. Most prices are ruled
    // out by comparing numbers; the few that are left are compared as text.
    const QByteArray latin1 = text.toLatin1();
    double wanted = 0.0;
    const auto parsed = std::from_chars(latin1.constData(), latin1.constData() + latin1.size(), wanted);
    const bool numeric = parsed.ec == std::errc() && parsed.ptr == latin1.constData() + latin1.size()
        && std::isfinite(wanted);
    auto roundedPriceIs = [&text, numeric, wanted](double price) {
        // A figure with decimals ("1499.50") finds the price to the cent.
        if (numeric && wanted != std::trunc(wanted))
            return std::nearbyint(price * 100) == std::nearbyint(wanted * 100);
        if (numeric && std::nearbyint(price) != wanted)
            return false;
        std::array<char, 400> buffer;
        const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), price, std::chars_format::fixed, 0);
        return result.ec == std::errc() && QLatin1StringView(buffer.data(), result.ptr - buffer.data()) == text;
    };
    auto matches = [&](const Item& item) -> bool {
        switch (key) {
        case 0:
            return item.type() == number;
        case 1:
            return contains(item.textView(Item::Name));
        case 2:
            return contains(item.textView(Item::Product));
        case 3:
            return item.number_of_items() == number;
        case 4:
            return roundedPriceIs(item.price());
        case 5:
            return roundedPriceIs(item.priceToday());
        case 6:
            return contains(item.textView(Item::Photolink));
        case 7:
            return item.textView(Item::Date) == text;
        case 8: {
            std::array<char, 16> buffer;
            const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), item.location());
            return containsFolded(QString::fromLatin1(buffer.data(), result.ptr - buffer.data()), needle);
        }
        case 9:
            return contains(item.textView(Item::Description));
        case 10:
            return contains(item.textView(Item::Supplier));
        case 11:
            return contains(item.textView(Item::Address));
        case 12:
            return item.textView(Item::Serialno) == text;
        case 13:
            return contains(item.textView(Item::Www));
        case 14:
            return contains(item.textView(Item::Receipt));
        case 15:
            return contains(item.textView(Item::Document));
        case 16:
            return contains(item.textView(Item::ProductModel));
        case 17:
            return contains(item.textView(Item::Extra1));
        case 18:
            return contains(item.textView(Item::Extra2));
        case 19:
            return contains(item.textView(Item::Extra3));
        case 20:
            return contains(item.textView(Item::Extra4));
        default:
            return false;
        }
    };

    for (qsizetype i = g_searchCursor; i < qsizetype(m_items.size()); ++i) {
        if (matches(*m_items[i])) {
            g_searchCursor = i + 1;
            found = true;
            return m_items[i].get();
        }
    }
    g_searchCursor = 0;
    return nullptr;
}

Item* DBItemCollection::findByExample(const SearchQuery& query, bool continueSearch)
{
    if (m_items.empty())
        return nullptr;
    const std::pair<int, QString> order[] = {
        {1, query.name},
        {2, query.product},
        {3, query.numberOfItems},
        {4, query.price},
        {5, query.priceToday},
        {7, query.date == QLatin1StringView(NoDate) ? QString() : query.date},
        {10, query.supplier},
        {12, query.serialno},
        {9, query.description},
        {11, query.address},
        {6, query.photolink},
        {14, query.receipt},
        {13, query.www},
        {8, query.location == -1 ? QString() : QString::number(query.location)},
        {15, query.document},
    };
    for (const auto& [key, text] : order) {
        bool found = false;
        Item* item = findNext(key, text, continueSearch, found);
        if (found)
            return item;
    }
    return nullptr;
}

bool DBItemCollection::isModified()
{
    return g_modified;
}

void DBItemCollection::setModified(bool modified)
{
    g_modified = modified;
    if (modified)
        ++g_modificationCount;
    if (g_modifiedObserver)
        g_modifiedObserver(modified);
}

void setModifiedObserver(std::function<void(bool modified)> observer)
{
    g_modifiedObserver = std::move(observer);
}

quint64 DBItemCollection::modificationCount()
{
    return g_modificationCount;
}

bool DBItemCollection::isReadOnly() const
{
    return m_readOnly;
}

QString DBItemCollection::lockInfo() const
{
    return m_lockInfo;
}

QString DBItemCollection::databaseDir() const
{
    return m_databaseDir;
}

void DBItemCollection::setDatabaseDir(const QString& dir)
{
    m_databaseDir = dir;
}

LookupList& DBItemCollection::list(ListKind kind)
{
    switch (kind) {
    case ListKind::Locations:
        return m_locations;
    case ListKind::Suppliers:
        return m_suppliers;
    case ListKind::FieldLabels:
        return m_fieldLabels;
    case ListKind::Groups:
        break;
    }
    return m_groups;
}

LookupList& DBItemCollection::groups()
{
    return m_groups;
}

LookupList& DBItemCollection::locations()
{
    return m_locations;
}

LookupList& DBItemCollection::suppliers()
{
    return m_suppliers;
}

LookupList& DBItemCollection::fieldLabels()
{
    return m_fieldLabels;
}

const LookupList& DBItemCollection::groups() const
{
    return m_groups;
}

const LookupList& DBItemCollection::locations() const
{
    return m_locations;
}

const LookupList& DBItemCollection::suppliers() const
{
    return m_suppliers;
}

const LookupList& DBItemCollection::fieldLabels() const
{
    return m_fieldLabels;
}

void DBItemCollection::log(const QString& entry, const char* function) const
{
    if (m_log)
        m_log->LogEntry(entry.toLatin1(), "DBItemCollection", function);
}
