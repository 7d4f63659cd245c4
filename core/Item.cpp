#include "Item.h"

#include <algorithm>
#include <charconv>
#include <cmath>

Item::Item() = default;

int Item::type() const
{
    return m_type;
}

void Item::setType(int type)
{
    m_type = type;
}

double Item::price() const
{
    return m_price;
}

void Item::setPrice(double price)
{
    m_price = price;
}

double Item::priceToday() const
{
    return m_priceToday;
}

void Item::setPriceToday(double price)
{
    m_priceToday = price;
}

int Item::number_of_items() const
{
    return m_numberOfItems;
}

void Item::setNumber_of_items(int count)
{
    m_numberOfItems = count;
}

int Item::location() const
{
    return m_location;
}

void Item::setLocation(int location)
{
    m_location = location;
}

#define HESTIVA_TEXT_FIELD(getter, setter, field)                                                                     \
    QString Item::getter(int escapeMode) const                                                                         \
    {                                                                                                                  \
        return text(field, escapeMode);                                                                                \
    }                                                                                                                  \
    void Item::setter(const QString& value)                                                                            \
    {                                                                                                                  \
        setText(field, value);                                                                                         \
    }

HESTIVA_TEXT_FIELD(name, setName, Name)
HESTIVA_TEXT_FIELD(product, setProduct, Product)
HESTIVA_TEXT_FIELD(supplier, setSupplier, Supplier)
HESTIVA_TEXT_FIELD(serialno, setSerialno, Serialno)
HESTIVA_TEXT_FIELD(description, setDescription, Description)
HESTIVA_TEXT_FIELD(address, setAddress, Address)
HESTIVA_TEXT_FIELD(photolink, setPhotolink, Photolink)
HESTIVA_TEXT_FIELD(www, setWww, Www)
HESTIVA_TEXT_FIELD(receipt, setReceipt, Receipt)
HESTIVA_TEXT_FIELD(document, setDocument, Document)
HESTIVA_TEXT_FIELD(productModel, setProductModel, ProductModel)
HESTIVA_TEXT_FIELD(extra1, setExtra1, Extra1)
HESTIVA_TEXT_FIELD(extra2, setExtra2, Extra2)
HESTIVA_TEXT_FIELD(extra3, setExtra3, Extra3)
HESTIVA_TEXT_FIELD(extra4, setExtra4, Extra4)

#undef HESTIVA_TEXT_FIELD

QString Item::date() const
{
    return text(Date);
}

void Item::setDate(const QString& value)
{
    setText(Date, value);
}

QStringView Item::textView(TextField field) const
{
    // The ends are kept within the buffer, so no bounds need checking here.
    const quint32 begin = field == 0 ? 0 : m_ends[field - 1];
    return QStringView(m_texts.constData() + begin, qsizetype(m_ends[field] - begin));
}

QString Item::text(TextField field, int escapeMode) const
{
    const QStringView view = textView(field);
    return escapeMode == XmlEscaped ? xmlEscaped(view) : view.toString();
}

void Item::setText(TextField field, QStringView value)
{
    const quint32 begin = field == 0 ? 0 : m_ends[field - 1];
    const quint32 oldLength = m_ends[field] - begin;
    if (QStringView(m_texts).mid(begin, oldLength) == value)
        return;
    m_texts.replace(begin, oldLength, value.data(), value.size());
    const qint64 delta = qint64(value.size()) - qint64(oldLength);
    for (int i = field; i < TextFieldCount; ++i)
        m_ends[i] = quint32(qint64(m_ends[i]) + delta);
}

void Item::setTexts(const std::array<QStringView, TextFieldCount>& texts)
{
    qsizetype total = 0;
    for (const QStringView t : texts)
        total += t.size();
    QString joined;
    joined.reserve(total);
    quint32 end = 0;
    for (int i = 0; i < TextFieldCount; ++i) {
        joined += texts[i];
        end += quint32(texts[i].size());
        m_ends[i] = end;
    }
    m_texts = std::move(joined);
}

void Item::setLatin1Texts(const std::array<std::string_view, TextFieldCount>& texts)
{
    qsizetype total = 0;
    for (const auto& t : texts)
        total += qsizetype(t.size());
    // Widened a field at a time by the library's own conversion.
    m_texts.clear();
    m_texts.reserve(total);
    quint32 end = 0;
    for (int i = 0; i < TextFieldCount; ++i) {
        m_texts.append(QLatin1StringView(texts[i].data(), qsizetype(texts[i].size())));
        end += quint32(texts[i].size());
        m_ends[i] = end;
    }
}

double Item::value() const
{
    return m_numberOfItems * m_price;
}

QString Item::valueText() const
{
    return fixedText(value(), 2);
}

QString Item::priceText(int decimals) const
{
    return fixedText(m_price, decimals);
}

QString Item::priceTodayText(int decimals) const
{
    return fixedText(m_priceToday, decimals);
}

QString Item::numberOfItemsText() const
{
    return QString::number(m_numberOfItems);
}

QString Item::locationText() const
{
    return QString::number(m_location);
}

QDate Item::dateValue() const
{
    return dateFromText(textView(Date));
}

QByteArray Item::dump() const
{
    auto latin1 = [this](TextField f) { return textView(f).toLatin1(); };
    QByteArray out;
    out.reserve(200 + m_texts.size());
    out += "\nType: " + QByteArray::number(m_type);
    out += "\nName: " + latin1(Name);
    out += "\nProduct: " + latin1(Product);
    out += "\nModel: " + latin1(ProductModel);
    out += "\nPrice: " + fixedText(m_price, 6).toLatin1();
    out += "\nPriceToday: " + fixedText(m_priceToday, 6).toLatin1();
    out += "\nDate: " + latin1(Date);
    out += "\nSupplier: " + latin1(Supplier);
    out += "\nSerial_number: " + latin1(Serialno);
    out += "\nDesc: " + latin1(Description);
    out += "\nAddress: " + latin1(Address);
    out += "\nPhoto: " + latin1(Photolink);
    out += "\nCount: " + QByteArray::number(m_numberOfItems);
    out += "\nRoom: " + QByteArray::number(m_location);
    out += "\nWww: " + latin1(Www);
    out += "\nReceipt: " + latin1(Receipt);
    out += "\nExtra1: " + latin1(Extra1);
    out += "\nExtra2: " + latin1(Extra2);
    out += "\nExtra3: " + latin1(Extra3);
    out += "\nExtra4: " + latin1(Extra4);
    return out;
}

bool Item::operator==(const Item& other) const
{
    return m_type == other.m_type && m_numberOfItems == other.m_numberOfItems && m_location == other.m_location
        && m_price == other.m_price && m_priceToday == other.m_priceToday && m_ends == other.m_ends
        && m_texts == other.m_texts;
}

QString xmlEscaped(QStringView text)
{
    QString out;
    out.reserve(text.size() + 16);
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '&':
            out += QStringLiteral("&amp;");
            break;
        case '<':
            out += QStringLiteral("&lt;");
            break;
        case '>':
            out += QStringLiteral("&gt;");
            break;
        case '"':
            out += QStringLiteral("&quot;");
            break;
        case '\'':
            out += QStringLiteral("&apos;");
            break;
        default:
            out += c;
        }
    }
    return out;
}

QString fixedText(double value, int decimals)
{
    // to_chars in fixed notation writes what printf("%.*f") writes, without the locale.
    std::array<char, 512> buffer;
    decimals = std::clamp(decimals, 0, 100);
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                      std::chars_format::fixed, decimals);
    if (result.ec != std::errc())
        return QString();
    return QString::fromLatin1(buffer.data(), result.ptr - buffer.data());
}

QDate dateFromText(QStringView text)
{
    // Characters 1-2 are the day, 4-5 the month and the last four the year; a part that is
    // missing or not a number counts as 0, which makes the date invalid.
    auto number = [text](qsizetype from, qsizetype length) {
        from = std::clamp<qsizetype>(from, 0, text.size());
        return text.sliced(from, std::min(length, text.size() - from)).toInt();
    };
    return QDate(number(text.size() - 4, 4), number(3, 2), number(0, 2));
}
