#include "ListOrder.h"

#include "Item.h"
#include "LookupList.h"
#include "ProgramVariant.h"

#include <algorithm>
#include <limits>
#include <numeric>

namespace {

enum Column {
    GroupColumn = 0,
    CountColumn = 4,
    PriceColumn = 5,
    PriceTodayColumn = 6,
    DateColumn = 9,
    LocationColumn = 10,
    LastColumn = 20,
};

// The text field a column shows, or TextFieldCount for the columns that show something else.
Item::TextField textFieldOf(int column)
{
    switch (column) {
    case 1:
        return Item::Name;
    case 2:
        return Item::Product;
    case 3:
        return Item::ProductModel;
    case 7:
        return Item::Photolink;
    case 8:
        return Item::Receipt;
    case DateColumn:
        return Item::Date;
    case 11:
        return Item::Description;
    case 12:
        return Item::Supplier;
    case 13:
        return Item::Address;
    case 14:
        return Item::Serialno;
    case 15:
        return Item::Www;
    case 16:
        return Item::Document;
    case 17:
        return Item::Extra1;
    case 18:
        return Item::Extra2;
    case 19:
        return Item::Extra3;
    case 20:
        return Item::Extra4;
    default:
        return Item::TextFieldCount;
    }
}

QStringView entryOf(const LookupList& list, int index)
{
    return index >= 0 && index < list.size() ? QStringView(list.at(index)) : QStringView();
}

QStringView textViewOf(int column, const Item& item, const LookupList& groups, const LookupList& locations)
{
    if (column == GroupColumn)
        return entryOf(groups, item.type());
    if (column == LocationColumn)
        return entryOf(locations, item.location());
    const Item::TextField field = textFieldOf(column);
    return field == Item::TextFieldCount ? QStringView() : item.textView(field);
}

// Days since the start of the calendar; a text that is no date sorts first.
qint64 dayOf(const Item& item)
{
    const QDate date = item.dateValue();
    return date.isValid() ? date.toJulianDay() : std::numeric_limits<qint64>::min();
}

template <typename Key, typename Less>
std::vector<const Item*> sortedBy(const std::vector<std::unique_ptr<Item>>& items, Key key, Less less)
{
    // Keys are made once per item, not once per comparison.
    using KeyType = decltype(key(*items.front()));
    std::vector<KeyType> keys;
    keys.reserve(items.size());
    for (const auto& item : items)
        keys.push_back(key(*item));
    std::vector<size_t> order(items.size());
    std::iota(order.begin(), order.end(), size_t(0));
    std::stable_sort(order.begin(), order.end(), [&](size_t a, size_t b) { return less(keys[a], keys[b]); });
    std::vector<const Item*> result;
    result.reserve(items.size());
    for (const size_t index : order)
        result.push_back(items[index].get());
    return result;
}

} // namespace

ListOrder::ListOrder()
    : ListOrder(GetLanguage())
{
}

ListOrder::ListOrder(const QByteArray& language)
    : m_collator(localeOf(language))
{
    m_collator.setCaseSensitivity(Qt::CaseInsensitive);
}

QLocale ListOrder::localeOf(const QByteArray& language)
{
    if (language == "dk")
        return QLocale(QLocale::Danish, QLocale::Denmark);
    if (language == "no")
        return QLocale(QLocale::NorwegianBokmal, QLocale::Norway);
    return QLocale(QLocale::English, QLocale::UnitedKingdom);
}

ListOrder::Kind ListOrder::kindOf(int column)
{
    switch (column) {
    case CountColumn:
    case PriceColumn:
    case PriceTodayColumn:
        return Kind::Figure;
    case DateColumn:
        return Kind::Date;
    default:
        return Kind::Text;
    }
}

double ListOrder::figureOf(int column, const Item& item)
{
    switch (column) {
    case CountColumn:
        return item.number_of_items();
    case PriceColumn:
        // A picture has no number of copies worth multiplying: Pictova shows the price itself.
        return isPictova() ? item.price() : item.value();
    case PriceTodayColumn:
        return item.priceToday();
    default:
        return 0.0;
    }
}

QString ListOrder::figureText(int column, double figure)
{
    return fixedText(figure, column == CountColumn ? 0 : 2);
}

QString ListOrder::textOf(int column, const Item& item, const LookupList& groups, const LookupList& locations)
{
    if (kindOf(column) == Kind::Figure)
        return figureText(column, figureOf(column, item));
    return textViewOf(column, item, groups, locations).toString();
}

int ListOrder::compareTexts(QStringView a, QStringView b) const
{
    return m_collator.compare(a, b);
}

QCollatorSortKey ListOrder::sortKey(const QString& text) const
{
    return m_collator.sortKey(text);
}

int ListOrder::compare(int column, const Item& a, const Item& b, const LookupList& groups,
                       const LookupList& locations) const
{
    switch (kindOf(column)) {
    case Kind::Figure: {
        const double x = figureOf(column, a);
        const double y = figureOf(column, b);
        return x < y ? -1 : y < x ? 1 : 0;
    }
    case Kind::Date: {
        const qint64 x = dayOf(a);
        const qint64 y = dayOf(b);
        return x < y ? -1 : y < x ? 1 : 0;
    }
    case Kind::Text:
        break;
    }
    return compareTexts(textViewOf(column, a, groups, locations), textViewOf(column, b, groups, locations));
}

std::vector<const Item*> ListOrder::sorted(const std::vector<std::unique_ptr<Item>>& items, int column,
                                           const LookupList& groups, const LookupList& locations) const
{
    if (items.empty() || column < 0 || column > LastColumn)
        return sortedBy(
            items, [](const Item&) { return 0; }, std::less<int>());
    switch (kindOf(column)) {
    case Kind::Figure:
        return sortedBy(
            items, [column](const Item& item) { return figureOf(column, item); }, std::less<double>());
    case Kind::Date:
        return sortedBy(items, dayOf, std::less<qint64>());
    case Kind::Text:
        break;
    }
    return sortedBy(
        items,
        [&](const Item& item) { return m_collator.sortKey(textViewOf(column, item, groups, locations).toString()); },
        [](const QCollatorSortKey& a, const QCollatorSortKey& b) { return a.compare(b) < 0; });
}

const ListOrder& listOrder()
{
    // A sort compares many times, so the order is made once: a new language takes effect at the
    // next start only.
    static const ListOrder order;
    return order;
}

int compareForList(int column, const Item& a, const Item& b, const LookupList& groups, const LookupList& locations)
{
    return listOrder().compare(column, a, b, groups, locations);
}
