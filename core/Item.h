#pragma once

#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringView>

#include <array>
#include <string_view>

// One record of the database: a household object, a stock article, a coin or a picture.
// The 21 fields are the same in every product; only their meaning and labels differ.
//
// The sixteen text fields share one string buffer, so that a register of a hundred thousand
// items costs one allocation per item instead of sixteen. Copies share that buffer until one
// of them changes.
class Item
{
public:
    // The text fields, in the order they have in a database line.
    enum TextField : quint8 {
        Name,
        Product,
        Date,
        Supplier,
        Serialno,
        Description,
        Address,
        Photolink,
        Www,
        Receipt,
        Document,
        ProductModel,
        Extra1,
        Extra2,
        Extra3,
        Extra4,
        TextFieldCount
    };

    // Escape modes of the text getters: the exports ask for XML-escaped text.
    enum EscapeMode { Plain = 0, XmlEscaped = 1 };

    Item();

    int type() const;
    void setType(int type);
    double price() const;
    void setPrice(double price);
    double priceToday() const;
    void setPriceToday(double price);
    int number_of_items() const;
    void setNumber_of_items(int count);
    int location() const;
    void setLocation(int location);

    QString name(int escapeMode = Plain) const;
    void setName(const QString& text);
    QString product(int escapeMode = Plain) const;
    void setProduct(const QString& text);
    QString date() const;
    void setDate(const QString& text);
    QString supplier(int escapeMode = Plain) const;
    void setSupplier(const QString& text);
    QString serialno(int escapeMode = Plain) const;
    void setSerialno(const QString& text);
    QString description(int escapeMode = Plain) const;
    void setDescription(const QString& text);
    QString address(int escapeMode = Plain) const;
    void setAddress(const QString& text);
    QString photolink(int escapeMode = Plain) const;
    void setPhotolink(const QString& text);
    QString www(int escapeMode = Plain) const;
    void setWww(const QString& text);
    QString receipt(int escapeMode = Plain) const;
    void setReceipt(const QString& text);
    QString document(int escapeMode = Plain) const;
    void setDocument(const QString& text);
    QString productModel(int escapeMode = Plain) const;
    void setProductModel(const QString& text);
    QString extra1(int escapeMode = Plain) const;
    void setExtra1(const QString& text);
    QString extra2(int escapeMode = Plain) const;
    void setExtra2(const QString& text);
    QString extra3(int escapeMode = Plain) const;
    void setExtra3(const QString& text);
    QString extra4(int escapeMode = Plain) const;
    void setExtra4(const QString& text);

    // Generic access to a text field; the view stays valid until the item changes.
    QStringView textView(TextField field) const;
    QString text(TextField field, int escapeMode = Plain) const;
    void setText(TextField field, QStringView text);
    // Sets all sixteen texts at once.
    void setTexts(const std::array<QStringView, TextFieldCount>& texts);
    // Sets all sixteen texts at once from 8-bit Latin-1 values, as the loader reads them.
    void setLatin1Texts(const std::array<std::string_view, TextFieldCount>& texts);

    // Derived values.
    double value() const;
    QString valueText() const;
    QString priceText(int decimals) const;
    QString priceTodayText(int decimals) const;
    QString numberOfItemsText() const;
    QString locationText() const;
    QDate dateValue() const;
    QByteArray dump() const;

    bool operator==(const Item& other) const;
    bool operator!=(const Item& other) const { return !(*this == other); }

private:
    QString m_texts;
    std::array<quint32, TextFieldCount> m_ends{};
    qint32 m_type = 0;
    qint32 m_numberOfItems = 0;
    qint32 m_location = 0;
    double m_price = 0.0;
    double m_priceToday = 0.0;
};

// XML escaping used by the exports: & < > " ' become entities, the ampersand first.
QString xmlEscaped(QStringView text);

// A number in fixed notation with the given decimals, exactly as C's "%.*f" writes it.
QString fixedText(double value, int decimals);

// The calendar date of a "dd.MM.yyyy" text; anything else gives an invalid date.
QDate dateFromText(QStringView text);
