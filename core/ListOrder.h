#pragma once

#include <QByteArray>
#include <QCollator>
#include <QLocale>
#include <QString>
#include <QStringView>

#include <memory>
#include <vector>

class Item;
class LookupList;

// How the item list orders its rows by a column, and what each column shows; the printed list
// and the HTML table order their items the same way. Figures sort by value, dates by calendar
// date (a text that is no date first), and texts case-insensitively in the alphabetical order
// of the user's language, so that Danish and Norwegian put Æ, Ø and Å after Z.
//
// The columns are those of the list: 0 group, 1 name, 2 product, 3 model, 4 number of items,
// 5 price, 6 price today, 7 picture, 8 receipt, 9 date, 10 location, 11 description,
// 12 supplier, 13 address, 14 serial number, 15 www, 16 document, 17 to 20 extra 1 to 4.
class ListOrder
{
public:
    enum class Kind { Text, Figure, Date };

    // The order of the language "dk", "no" or "en" (the program's language codes); without one,
    // the language the program runs in.
    ListOrder();
    explicit ListOrder(const QByteArray& language);

    // "dk" is Danish (Denmark), "no" Norwegian bokmål, anything else English (Great Britain).
    static QLocale localeOf(const QByteArray& language);
    static Kind kindOf(int column);

    // The figure the list shows in a figure column: the number of items (4), the price today
    // (6) and in column 5 the value, number of items × price, except in Pictova, where a
    // picture's own price is shown.
    static double figureOf(int column, const Item& item);
    // The figure as the list writes it: whole for the number of items, 2 decimals otherwise.
    static QString figureText(int column, double figure);
    // The text of a column: the group and location by name (empty when the number has no
    // entry), the figures as figureText(), the other fields as stored.
    static QString textOf(int column, const Item& item, const LookupList& groups, const LookupList& locations);

    // Below, equal and above zero as a is ordered before, with or after b.
    int compareTexts(QStringView a, QStringView b) const;
    // A key that orders as compareTexts() does; comparing keys is quicker than comparing texts
    // when each text takes part in many comparisons.
    QCollatorSortKey sortKey(const QString& text) const;
    int compare(int column, const Item& a, const Item& b, const LookupList& groups, const LookupList& locations) const;
    // The items in the order of a column; items that compare equal keep their order. A column
    // outside 0 to 20 keeps the order as it is.
    std::vector<const Item*> sorted(const std::vector<std::unique_ptr<Item>>& items, int column,
                                    const LookupList& groups, const LookupList& locations) const;

private:
    QCollator m_collator;
};

// The order of the item list: the language the program was started in.
const ListOrder& listOrder();
// The comparison of the item list in the language the program was started in.
int compareForList(int column, const Item& a, const Item& b, const LookupList& groups, const LookupList& locations);
