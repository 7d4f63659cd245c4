#include "CsvReader.h"

#include <QStringDecoder>

#include <algorithm>
#include <array>

namespace Csv {

QString decode(const QByteArray& bytes, Encoding* used)
{
    auto report = [used](Encoding encoding) {
        if (used)
            *used = encoding;
    };
    if (bytes.startsWith("\xEF\xBB\xBF")) {
        report(Encoding::Utf8WithBom);
        return QString::fromUtf8(bytes.constData() + 3, bytes.size() - 3);
    }
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(bytes);
    if (!utf8.hasError()) {
        report(Encoding::Utf8);
        return text;
    }
    report(Encoding::Latin1);
    return QString::fromLatin1(bytes);
}

QList<Record> parse(QStringView text, QChar delimiter, bool referToText, qsizetype maxRecords)
{
    QList<Record> records;
    const qsizetype size = text.size();
    const QChar* chars = text.data();
    const char16_t separator = delimiter.unicode();
    qsizetype i = 0;
    int line = 1;
    // Records tend to have the fields of the one before; reserving them spares growing the list.
    qsizetype expectedFields = 1;
    QString quoted;
    while (i < size && records.size() != maxRecords) {
        Record record;
        record.line = line;
        record.fields.reserve(expectedFields);
        bool recordEnded = false;
        bool quotedField = false;
        while (!recordEnded) {
            qsizetype start = i;
            if (i < size && chars[i] == u'"') {
                quotedField = true;
                // A quoted field: up to the quote that is not doubled.
                quoted.clear();
                ++i;
                bool closed = false;
                while (i < size) {
                    const qsizetype from = i;
                    while (i < size && chars[i] != u'"' && chars[i] != u'\n' && chars[i] != u'\r')
                        ++i;
                    quoted.append(chars + from, i - from);
                    if (i >= size)
                        break;
                    if (chars[i] == u'"') {
                        if (i + 1 < size && chars[i + 1] == u'"') {
                            quoted += u'"';
                            i += 2;
                            continue;
                        }
                        ++i;
                        closed = true;
                        break;
                    }
                    // A line break inside the field; CR LF and CR are kept as LF.
                    if (chars[i] == u'\r' && i + 1 < size && chars[i + 1] == u'\n')
                        ++i;
                    quoted += u'\n';
                    ++i;
                    ++line;
                }
                if (!closed)
                    record.unclosedQuote = true;
                // What follows a closing quote up to the delimiter is kept as it stands.
                start = i;
                while (i < size && chars[i] != separator && chars[i] != u'\n' && chars[i] != u'\r')
                    ++i;
                quoted.append(chars + start, i - start);
                record.fields.append(quoted);
            } else {
                while (i < size && chars[i] != separator && chars[i] != u'\n' && chars[i] != u'\r')
                    ++i;
                if (referToText)
                    record.fields.append(QString::fromRawData(chars + start, i - start));
                else
                    record.fields.emplaceBack(chars + start, i - start);
            }
            if (i < size && chars[i] == separator) {
                ++i;
                continue;
            }
            recordEnded = true;
            if (i < size) {
                if (chars[i] == u'\r' && i + 1 < size && chars[i + 1] == u'\n')
                    ++i;
                ++i;
                ++line;
            }
        }
        // A wholly empty line is no record (a line of two quotes is one empty field).
        if (record.fields.size() == 1 && record.fields.front().isEmpty() && !quotedField)
            continue;
        expectedFields = record.fields.size();
        records.append(std::move(record));
    }
    return records;
}

namespace {

// The number of fields of each of the first records, read as parse() reads them (quotes
// respected, wholly empty lines skipped), without making the fields.
qsizetype countFields(QStringView text, char16_t separator, qsizetype* counts, qsizetype maxRecords)
{
    const qsizetype size = text.size();
    const char16_t* chars = text.utf16();
    qsizetype i = 0;
    qsizetype records = 0;
    while (i < size && records < maxRecords) {
        qsizetype fields = 1;
        bool quotedField = false;
        bool emptyField = true;
        for (;;) {
            if (i < size && chars[i] == u'"') {
                quotedField = true;
                ++i;
                while (i < size) {
                    if (chars[i] == u'"') {
                        if (i + 1 < size && chars[i + 1] == u'"') {
                            i += 2;
                            continue;
                        }
                        ++i;
                        break;
                    }
                    ++i;
                }
            }
            const qsizetype start = i;
            while (i < size && chars[i] != separator && chars[i] != u'\n' && chars[i] != u'\r')
                ++i;
            emptyField = emptyField && i == start;
            if (i < size && chars[i] == separator) {
                ++i;
                ++fields;
                continue;
            }
            if (i < size) {
                if (chars[i] == u'\r' && i + 1 < size && chars[i + 1] == u'\n')
                    ++i;
                ++i;
            }
            break;
        }
        if (fields == 1 && emptyField && !quotedField)
            continue;
        counts[records++] = fields;
    }
    return records;
}

} // namespace

QChar detectDelimiter(QStringView text)
{
    // Enough of the text for a few records; a quoted field may run long.
    constexpr qsizetype Sample = 64 * 1024;
    constexpr qsizetype Records = 21;
    const QStringView sample = text.left(Sample);
    constexpr std::array<char16_t, 3> candidates{ u';', u',', u'\t' };
    QChar best = u';';
    int bestAgreeing = 0;
    qsizetype bestFields = 1;
    std::array<qsizetype, Records> counts{};
    for (const char16_t candidate : candidates) {
        qsizetype records = countFields(sample, candidate, counts.data(), Records);
        // The first records tell; the last of a cut sample may be cut itself.
        if (records > 1 && (records == Records || text.size() > Sample))
            --records;
        if (records == 0)
            continue;
        const qsizetype fields = counts[0];
        if (fields < 2)
            continue;
        const int agreeing = int(std::count(counts.begin(), counts.begin() + records, fields));
        if (agreeing > bestAgreeing || (agreeing == bestAgreeing && fields > bestFields)) {
            best = QChar(candidate);
            bestAgreeing = agreeing;
            bestFields = fields;
        }
    }
    return best;
}

} // namespace Csv
