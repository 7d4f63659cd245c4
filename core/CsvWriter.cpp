#include "CsvWriter.h"

#include <algorithm>
#include <charconv>
#include <cmath>

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

void CsvWriter::endRecord()
{
    m_text += QLatin1StringView("\r\n");
    m_recordStarted = false;
}

const QString& CsvWriter::text() const
{
    return m_text;
}

QByteArray CsvWriter::utf8WithBom() const
{
    return QByteArrayLiteral("\xEF\xBB\xBF") + m_text.toUtf8();
}

QString csvFigure(double value, QChar decimalMark, int maxDecimals)
{
    if (!std::isfinite(value))
        value = 0.0;
    char buffer[400];
    // The shortest fixed form that reads back as the same value; rounded when that needs more
    // decimals than allowed.
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed);
    if (result.ec == std::errc()) {
        const char* point = std::find(buffer, result.ptr, '.');
        if (point != result.ptr && result.ptr - point - 1 > maxDecimals)
            result.ec = std::errc::value_too_large;
    }
    if (result.ec != std::errc())
        result = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, maxDecimals);
    if (result.ec != std::errc())
        return QStringLiteral("0");
    QString text = QString::fromLatin1(buffer, result.ptr - buffer);
    if (text.contains(u'.')) {
        // Rounded forms may end in zeros that say nothing.
        while (text.endsWith(u'0'))
            text.chop(1);
        if (text.endsWith(u'.'))
            text.chop(1);
        text.replace(u'.', decimalMark);
    }
    if (text == u"-0")
        text = QStringLiteral("0");
    return text;
}
