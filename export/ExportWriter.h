#pragma once

#include "SafeFileWrite.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringView>

#include <array>
#include <functional>
#include <vector>

class DBItemCollection;
class Item;
class LookupList;
class QIODevice;

// What the XML and HTML exports write with: the buffered writer, the block of one item and the
// names of groups and locations. The output file is replaced safely by the core's
// writeFileSafely().

// Collects the bytes of an export and hands them to the device in large pieces. Text goes out
// as Latin-1 and every line ends in CR LF, so a file is the same byte for byte wherever it was
// written. The first failed write is remembered and
// later output dropped, so that a full disk is reported once, at finish().
class ExportWriter
{
public:
    explicit ExportWriter(QIODevice& device);
    ExportWriter(const ExportWriter&) = delete;
    ExportWriter& operator=(const ExportWriter&) = delete;

    void putBytes(QByteArrayView bytes);
    // Plain ASCII such as figures; a character outside Latin-1 becomes "?".
    void putText(QStringView text);
    // A text of the database: & < > " ' written as entities (the ampersand first), a character
    // outside Latin-1 as a character reference, every line break (CR LF, LF or CR alone) as
    // CR LF; control characters other than tab and line breaks, which XML 1.0 cannot carry, are
    // left out.
    void putEscaped(QStringView text);
    void putNumber(int value);
    void putFixed(double value, int decimals);
    void endLine();
    void line(QByteArrayView bytes);
    // Sends what is still held; whether every write reached the device.
    bool finish();

private:
    // Room for length more bytes at the end of the buffer, sending what it holds first when
    // needed; the caller writes there and then moves m_used on.
    char* reserve(qsizetype length);
    void flush();

    QIODevice& m_device;
    std::vector<char> m_buffer;
    qsizetype m_used = 0;
    bool m_ok = true;
};

// The four switches of an element line: "; " after the value, "<BR>" after it, the column's
// caption before it, and leaving out every element but the location.
struct ElementSwitches
{
    bool semicolon = false;
    bool lineBreak = false;
    bool caption = false;
    bool skip = false;
};

// Writes the block of one item ("<Item>", one line per field, "</Item>"), shared by the XML
// document and the HTML list and single-item pages. Group and location appear by name.
class ItemElementWriter
{
public:
    ItemElementWriter(ExportWriter& out, const DBItemCollection& collection, int priceDecimals);

    void writeItem(const Item& item, const ElementSwitches& switches);

private:
    void writeImage(QStringView path, const char* alt);

    ExportWriter& m_out;
    const DBItemCollection& m_collection;
    int m_priceDecimals;
    // The folder relative links are found in as a last resort (resolveLink), read once.
    QString m_databaseDir;
    // The list view's column captions, read once per export rather than once per field.
    std::array<QString, 21> m_captions;
};

// The address a picture link of an item is written as in a page: a file as an encoded file URL
// of its absolute path (a browser opens the page from another folder, so a relative link is
// found as everywhere else, by resolveLink), so that "#", "?", "%" and spaces in a name stay
// part of it; a web address as it is.
QString linkedFileUrl(QStringView link, const QString& databaseDir);

// The name of a group or location; the number itself when the list has no such entry.
QString lookupText(const LookupList& list, int index);

