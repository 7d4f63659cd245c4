#include "ExportWriter.h"

#include "DBItemCollection.h"
#include "DataPaths.h"
#include "Item.h"
#include "ItemListView.h"

#include <QFileInfo>
#include <QIODevice>
#include <QUrl>

#include <charconv>
#include <cstring>

namespace {

// Large enough that a register of a hundred thousand items takes a few hundred writes.
constexpr qsizetype FlushSize = 256 * 1024;

enum class Value { Group, Text, Price, PriceToday, Count, Location };

struct Element
{
    const char* tag;
    // The list view column whose caption the HTML pages put before the value.
    int column;
    Value value;
    Item::TextField field;
};

// The fields of an item block, in the order the documents list them.
constexpr Element Elements[] = {
    { "Group", 0, Value::Group, Item::Name },
    { "Name", 1, Value::Text, Item::Name },
    { "Product", 2, Value::Text, Item::Product },
    { "Model", 3, Value::Text, Item::ProductModel },
    { "Price", 5, Value::Price, Item::Name },
    { "PriceToday", 6, Value::PriceToday, Item::Name },
    { "Date", 9, Value::Text, Item::Date },
    { "Supplier", 12, Value::Text, Item::Supplier },
    { "SerialNumber", 14, Value::Text, Item::Serialno },
    { "Description", 11, Value::Text, Item::Description },
    { "Address", 13, Value::Text, Item::Address },
    { "NumberOfItems", 4, Value::Count, Item::Name },
    { "Location", 10, Value::Location, Item::Name },
    { "WwwLink", 15, Value::Text, Item::Www },
    { "DocumentLink", 16, Value::Text, Item::Document },
    { "Extra1", 17, Value::Text, Item::Extra1 },
    { "Extra2", 18, Value::Text, Item::Extra2 },
    { "Extra3", 19, Value::Text, Item::Extra3 },
    { "Extra4", 20, Value::Text, Item::Extra4 },
    { "PictureLink", 7, Value::Text, Item::Photolink },
    { "ReceiptLink", 8, Value::Text, Item::Receipt },
};

} // namespace

ExportWriter::ExportWriter(QIODevice& device)
    : m_device(device)
    , m_buffer(FlushSize)
{
}

void ExportWriter::putBytes(QByteArrayView bytes)
{
    char* out = reserve(bytes.size());
    std::memcpy(out, bytes.data(), size_t(bytes.size()));
    m_used += bytes.size();
}

void ExportWriter::putText(QStringView text)
{
    char* out = reserve(text.size());
    for (const QChar c : text)
        *out++ = c.unicode() < 0x100 ? char(c.unicode()) : '?';
    m_used += text.size();
}

void ExportWriter::putEscaped(QStringView text)
{
    // Escaping and the Latin-1 conversion in one pass, straight into the buffer (what one
    // character becomes is at most eight bytes, a pair of surrogates at most ten). The entities
    // are plain ASCII, so the bytes are those of escaping first and converting afterwards.
    char* const begin = reserve(text.size() * 8);
    char* out = begin;
    const auto entity = [&out](const char* bytes, size_t length) {
        std::memcpy(out, bytes, length);
        out += length;
    };
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const char16_t c = text[i].unicode();
        switch (c) {
        case '&':
            entity("&amp;", 5);
            break;
        case '<':
            entity("&lt;", 4);
            break;
        case '>':
            entity("&gt;", 4);
            break;
        case '"':
            entity("&quot;", 6);
            break;
        case '\'':
            entity("&apos;", 6);
            break;
        case '\r':
        case '\n':
            // Every line break of a text is a CR LF, as every line of the file ends; an XML
            // reader gives each back as one line feed.
            if (c == '\r' && i + 1 < size && text[i + 1] == u'\n')
                ++i;
            entity("\r\n", 2);
            break;
        default:
            if (c < 0x20 && c != '\t') {
                // Control characters cannot be carried in XML 1.0 at all, not even as references.
            } else if (c < 0x100) {
                *out++ = char(c);
            } else {
                // What Latin-1 cannot hold goes as a character reference, which every reader
                // turns back into the character.
                char32_t code = c;
                if (QChar::isHighSurrogate(c) && i + 1 < size && text[i + 1].isLowSurrogate())
                    code = QChar::surrogateToUcs4(c, text[++i].unicode());
                else if (QChar::isSurrogate(c))
                    code = 0xfffd;
                entity("&#", 2);
                out = std::to_chars(out, out + 8, uint(code)).ptr;
                *out++ = ';';
            }
        }
    }
    m_used += out - begin;
}

void ExportWriter::putNumber(int value)
{
    char* out = reserve(16);
    m_used += std::to_chars(out, out + 16, value).ptr - out;
}

void ExportWriter::putFixed(double value, int decimals)
{
    putText(fixedText(value, decimals));
}

void ExportWriter::endLine()
{
    putBytes("\r\n");
}

void ExportWriter::line(QByteArrayView bytes)
{
    putBytes(bytes);
    endLine();
}

bool ExportWriter::finish()
{
    flush();
    return m_ok;
}

char* ExportWriter::reserve(qsizetype length)
{
    if (m_used + length > qsizetype(m_buffer.size())) {
        flush();
        if (length > qsizetype(m_buffer.size()))
            m_buffer.resize(size_t(length));
    }
    return m_buffer.data() + m_used;
}

void ExportWriter::flush()
{
    // After a failed write nothing more is sent, so a full disk is not written to again.
    if (m_ok && m_used > 0)
        m_ok = m_device.write(m_buffer.data(), m_used) == m_used;
    m_used = 0;
}

ItemElementWriter::ItemElementWriter(ExportWriter& out, const DBItemCollection& collection, int priceDecimals)
    : m_out(out)
    , m_collection(collection)
    , m_priceDecimals(priceDecimals)
    , m_databaseDir(GetLastDBDir())
{
    for (int column = 0; column < int(m_captions.size()); ++column)
        m_captions[column] = QString::fromLatin1(ItemListView::columnHeaderText(column));
}

void ItemElementWriter::writeItem(const Item& item, const ElementSwitches& switches)
{
    m_out.line("<Item>");
    for (const Element& element : Elements) {
        // The location stays even in the shortest list, so that a missing item can be found.
        if (switches.skip && element.value != Value::Location)
            continue;
        if (switches.caption) {
            if (element.column == 7 && !item.textView(Item::Photolink).isEmpty())
                writeImage(item.textView(Item::Photolink), "1. Image");
            else if (element.column == 8 && !item.textView(Item::Receipt).isEmpty())
                writeImage(item.textView(Item::Receipt), "2. Image");
            m_out.putBytes("<b>");
            m_out.putEscaped(m_captions[element.column]);
            m_out.putBytes("</b>: ");
        }
        m_out.putBytes("<");
        m_out.putBytes(element.tag);
        m_out.putBytes(">");
        switch (element.value) {
        case Value::Group:
            m_out.putEscaped(lookupText(m_collection.groups(), item.type()));
            break;
        case Value::Text:
            m_out.putEscaped(item.textView(element.field));
            break;
        case Value::Price:
            m_out.putFixed(item.price(), m_priceDecimals);
            break;
        case Value::PriceToday:
            m_out.putFixed(item.priceToday(), m_priceDecimals);
            break;
        case Value::Count:
            m_out.putNumber(item.number_of_items());
            break;
        case Value::Location:
            m_out.putEscaped(lookupText(m_collection.locations(), item.location()));
            break;
        }
        if (switches.semicolon)
            m_out.putBytes("; ");
        if (switches.lineBreak)
            m_out.putBytes("<BR>");
        m_out.putBytes("</");
        m_out.putBytes(element.tag);
        m_out.putBytes(">");
        m_out.endLine();
    }
    m_out.line("</Item>");
}

void ItemElementWriter::writeImage(QStringView path, const char* alt)
{
    m_out.putBytes("<img src=\"");
    m_out.putEscaped(linkedFileUrl(path, m_databaseDir));
    m_out.putBytes("\" ALT=\"");
    m_out.putBytes(alt);
    m_out.putBytes("\"><BR>");
}

QString linkedFileUrl(QStringView link, const QString& databaseDir)
{
    const QString resolved = resolveLink(link.toString(), databaseDir);
    const QUrl url = isUrlLink(resolved) ? QUrl(resolved, QUrl::TolerantMode)
                                         : QUrl::fromLocalFile(QFileInfo(resolved).absoluteFilePath());
    return url.toString(QUrl::FullyEncoded);
}

QString lookupText(const LookupList& list, int index)
{
    if (index >= 0 && index < list.size())
        return list.at(index);
    return QString::number(index);
}

