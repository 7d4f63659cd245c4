#pragma once

#include <QByteArray>
#include <QChar>
#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

// Reading comma-separated files as spreadsheet programs write them (RFC 4180): records of
// fields split by a delimiter, fields in double quotes where they hold the delimiter, a quote
// (doubled) or line breaks. Lenient where programs differ: LF, CR LF and CR end records, a
// quote inside an unquoted field is taken as it stands, text after a closing quote is kept.
namespace Csv {

enum class Encoding { Utf8WithBom, Utf8, Latin1 };

// The text of a file: UTF-8 after a byte-order mark, UTF-8 when every byte sequence is valid
// UTF-8, else Latin-1 (every byte is a Latin-1 character).
QString decode(const QByteArray& bytes, Encoding* used = nullptr);

struct Record
{
    QStringList fields;
    // The line of the file the record starts on, counting from 1.
    int line = 0;
    // The record ended inside a quoted field: the file ended before its closing quote.
    bool unclosedQuote = false;
};

// The records of a text, split by the delimiter. Lines that are wholly empty are skipped.
// With referToText, fields that need no unquoting are not copied but refer to the text (as
// QString::fromRawData does): they, and every copy made of them, are valid only while the text
// is. That spares a copy per field of a large file; use it only where the text lives as long as
// the records and nothing keeps a field beyond that.
// With maxRecords at 0 or above, reading stops after that many records.
QList<Record> parse(QStringView text, QChar delimiter, bool referToText = false, qsizetype maxRecords = -1);

// The delimiter of a text: ";", "," or a tab, whichever splits the first records into the most
// fields of one count (quotes respected). ";" when none splits anything.
QChar detectDelimiter(QStringView text);

} // namespace Csv
