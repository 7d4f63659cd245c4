#pragma once

#include <QByteArray>
#include <QChar>
#include <QString>
#include <QStringView>

// Writes comma-separated text as RFC 4180 has it: records end with CR LF, and a field that
// holds the delimiter, a double quote or a line break is put in double quotes, with each quote
// inside doubled; a record of one empty field is written as "". The text is collected in
// memory; utf8WithBom() gives the bytes of the file.
class CsvWriter
{
public:
    explicit CsvWriter(QChar delimiter);

    void reserve(qsizetype characters);
    void addField(QStringView text);
    void addField(QLatin1StringView text);
    void endRecord();

    const QString& text() const;
    // UTF-8 with a byte-order mark, which tells spreadsheet programs the encoding.
    QByteArray utf8WithBom() const;

private:
    QString m_text;
    QChar m_delimiter;
    bool m_recordStarted = false;
    // Where the record being written starts in the text.
    qsizetype m_recordStart = 0;
};

// A figure with as many decimals as it takes to read the same value back, at most maxDecimals
// (then rounded to them); decimalMark is the character between the whole part and the
// decimals. No thousands separators, "-" before a negative one.
QString csvFigure(double value, QChar decimalMark, int maxDecimals = 6);
// The same into a buffer of at least CsvFigureBuffer characters; returns the length written.
constexpr int CsvFigureBuffer = 400;
int csvFigure(double value, char decimalMark, char* buffer, int maxDecimals = 6);
