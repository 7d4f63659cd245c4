#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <vector>

class DBItemCollection;
class Item;
class LookupList;
class QPrinter;
class QWidget;
struct PrintSettings;

// The fields a printed list can show, in the order a printed line has them.
enum class PrintField {
    ItemCount,
    Group,
    Name,
    Model,
    ProductType,
    Count,
    Price,
    PriceToday,
    Picture,
    Date,
    Location,
    Description,
    Supplier,
    Address,
    SerialNumber,
    Www,
    Receipt,
    Document,
    Extra1,
    Extra2,
    Extra3,
    Extra4,
};
inline constexpr int PrintFieldCount = 22;
// The longest a text field may be printed; the print set-up accepts no more.
inline constexpr int MaxPrintTextLength = 200;

// What a print field is made of: its flag and length in the print settings (no length for the
// running number and the date), the list column whose caption names it (-1 for the running
// number, which is named by a text of its own) and the largest length the print set-up accepts.
struct PrintFieldInfo
{
    PrintField field;
    bool PrintSettings::*flag;
    int PrintSettings::*length;
    int column;
    int maxLength;
};
const PrintFieldInfo& printFieldInfo(PrintField field);

// The texts of a printed list: the header every page starts with, and one line per item of the
// collection in its order, empty for an item the group or location filter leaves out.
struct ListLines
{
    QString header;
    QStringList lines;
};

// Font measures and the page height, in the printer's units.
struct PageMetrics
{
    int pageHeight = 0;
    int headerAscent = 0;
    int headerLineSpacing = 0;
    int lineAscent = 0;
    int lineDescent = 0;
};

// Where a page puts its header and its lines (each the index of a line of ListLines).
struct PrintedPage
{
    struct Line
    {
        int index;
        int baseline;
    };
    int headerBaseline = 0;
    std::vector<Line> lines;
};

// Shows a text in the main window's status bar for a time in milliseconds (0: until replaced).
using StatusMessage = std::function<void(const QString& text, int milliseconds)>;

// Prints the database as a column-aligned plain text list: which fields, their widths, the
// separator, the sorting and the filters come from the print settings.
class ListPrinting
{
    Q_DECLARE_TR_FUNCTIONS(ListPrinting)

public:
    static constexpr int Margin = 50;
    static constexpr int ItemCountWidth = 3;
    static constexpr int DateWidth = 11;
    static constexpr int CaptionCount = 21;
    using Captions = std::array<QString, CaptionCount>;

    // The whole print command: sorts the collection by the stored sort method (it keeps that
    // order), asks for a printer and prints. False when cancelled or nothing could be printed.
    static bool Print(DBItemCollection& collection, QWidget* parent, const StatusMessage& message);
    // What follows a confirmed printer dialog: the wait cursor, the pages and their status texts.
    static bool printList(const DBItemCollection& collection, QPrinter& printer, const StatusMessage& message);
    static void sortForPrinting(DBItemCollection& collection);

    // The list columns' captions as the item list currently names them.
    static Captions columnCaptions();
    static QString headerLine(const PrintSettings& settings, const Captions& captions);
    // The line of one item; number is its running number in the collection, counted from 1.
    static QString itemLine(const Item& item, int number, const PrintSettings& settings, const LookupList& groups,
                            const LookupList& locations);
    static ListLines buildLines(const DBItemCollection& collection, const PrintSettings& settings,
                                const Captions& captions);
    // Splits the lines into pages: a page is full when fewer than a margin's height would be left
    // below the next line. Filtered-out lines take no room but still start a page when it is full.
    static std::vector<PrintedPage> layoutPages(const QStringList& lines, const PageMetrics& metrics);
};
