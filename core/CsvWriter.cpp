#include "CsvWriter.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstring>

#include <QStringEncoder>

CsvWriter::CsvWriter(QChar delimiter)
    : m_delimiter(delimiter)
{
}

void CsvWriter::reserve(qsizetype characters)
{
    m_text.reserve(characters);
}

void CsvWriter::addField(QStringView text)
{
    if (m_recordStarted)
        m_text += m_delimiter;
    m_recordStarted = true;
    bool quote = false;
    for (const QChar c : text) {
        if (c == m_delimiter || c == u'"' || c == u'\n' || c == u'\r') {
            quote = true;
            break;
        }
    }
    if (!quote) {
        m_text += text;
        return;
    }
    m_text += u'"';
    for (const QChar c : text) {
        if (c == u'"')
            m_text += u'"';
        m_text += c;
    }
    m_text += u'"';
}

void CsvWriter::addField(QLatin1StringView text)
{
    bool quote = false;
    for (const char c : text) {
        if (QLatin1Char(c) == m_delimiter || c == '"' || c == '\n' || c == '\r') {
            quote = true;
            break;
        }
    }
    if (quote) {
        addField(QStringView(QString(text)));
        return;
    }
    if (m_recordStarted)
        m_text += m_delimiter;
    m_recordStarted = true;
    m_text += text;
}

void CsvWriter::endRecord()
{
    // A record of one empty field would be an empty line, which readers skip.
    if (m_recordStarted && m_text.size() == m_recordStart)
        m_text += QLatin1StringView("\"\"");
    m_text += QLatin1StringView("\r\n");
    m_recordStarted = false;
    m_recordStart = m_text.size();
}

const QString& CsvWriter::text() const
{
    return m_text;
}

QByteArray CsvWriter::utf8WithBom() const
{
    // Encoded straight behind the mark, without a copy of the whole text.
    QStringEncoder encoder(QStringEncoder::Utf8);
    QByteArray bytes(3 + encoder.requiredSpace(m_text.size()), Qt::Uninitialized);
    std::memcpy(bytes.data(), "\xEF\xBB\xBF", 3);
    char* end = encoder.appendToBuffer(bytes.data() + 3, m_text);
    bytes.truncate(end - bytes.constData());
    return bytes;
}

int csvFigure(double value, char decimalMark, char* buffer, int maxDecimals)
{
    if (!std::isfinite(value))
        value = 0.0;
    char* const end = buffer + CsvFigureBuffer;
    // The shortest fixed form that reads back as the same value; rounded when that needs more
    // decimals than allowed.
    auto result = std::to_chars(buffer, end, value, std::chars_format::fixed);
    if (result.ec == std::errc()) {
        const char* point = std::find(buffer, result.ptr, '.');
        if (point != result.ptr && result.ptr - point - 1 > maxDecimals)
            result.ec = std::errc::value_too_large;
    }
    if (result.ec != std::errc())
        result = std::to_chars(buffer, end, value, std::chars_format::fixed, maxDecimals);
    if (result.ec != std::errc()) {
        buffer[0] = '0';
        return 1;
    }
    char* last = result.ptr;
    char* point = std::find(buffer, last, '.');
    if (point != last) {
        // Rounded forms may end in zeros that say nothing.
        while (last[-1] == '0')
            --last;
        if (last[-1] == '.')
            --last;
        else
            *point = decimalMark;
    }
    int length = int(last - buffer);
    if (length == 2 && buffer[0] == '-' && buffer[1] == '0') {
        buffer[0] = '0';
        length = 1;
    }
    return length;
}

QString csvFigure(double value, QChar decimalMark, int maxDecimals)
{
    char buffer[CsvFigureBuffer];
    const int length = csvFigure(value, char(decimalMark.toLatin1()), buffer, maxDecimals);
    return QString::fromLatin1(buffer, length);
}
