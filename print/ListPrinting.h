#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

#include <array>
#include <functional>
#include <vector>

class DBItemCollection;
class Item;
class QPagedPaintDevice;
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
// The most characters a line of a printed text column may be set to hold; the print set-up
// accepts no more.
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

// A printed list in cells: its columns with their captions, one row of cells per printed item
// in the printed order, and what ends the list: the sums of the figure columns and the count.
struct ListTable
{
    enum class Kind {
        Number, // the running number
        Figure, // a figure, right-aligned and never broken
        Text, // a text, broken into lines where it is wider than its column may be
    };
    struct Column
    {
        PrintField field;
        Kind kind;
        // The most characters a line of a text column holds before its texts go on the next line.
        int maxCharacters;
        QString caption;
    };
    std::vector<Column> columns;
    std::vector<QStringList> rows;
    // One cell per column: the sums of the figure columns, the word for them in the first text
    // column; empty when no figure column is printed.
    QStringList sums;
    int count = 0;
    // The line that ends the list, with the number of items printed.
    QString countLine;
};

// How a list was fitted to its pages.
struct ListLayout
{
    // Turned from portrait to landscape because the columns would not fit across.
    bool turnedToLandscape = false;
    qreal pointSize = 0.0;
    // Texts narrowed below the widths the print set-up gives them.
    bool narrowed = false;
    // The width of each column's texts, in the device's units.
    std::vector<qreal> widths;
    int pages = 0;
};

// Shows a text in the main window's status bar for a time in milliseconds (0: until replaced).
using StatusMessage = std::function<void(const QString& text, int milliseconds)>;

// Prints the database as a list in columns: which fields, how wide their texts may be, the
// separator, the order and the filters come from the print settings. The columns always fit
// across the page: the list turns to landscape, takes a smaller font or breaks long texts into
// lines, so that nothing is cut.
class ListPrinting
{
    Q_DECLARE_TR_FUNCTIONS(ListPrinting)

public:
    static constexpr qreal PointSize = 10.0;
    // The smallest font the list goes down to before it breaks texts into narrower columns.
    static constexpr qreal SmallestPointSize = 7.0;
    static constexpr int DateCharacters = 10;
    // For the list to fit, text columns are narrowed to no fewer characters than a word of some
    // length takes; only where even that does not fit, further.
    static constexpr int WordCharacters = 8;
    static constexpr int NarrowestCharacters = 4;
    static constexpr int CaptionCount = 21;
    using Captions = std::array<QString, CaptionCount>;

    // The print command: asks for a printer and prints. False when cancelled or failed.
    static bool Print(const DBItemCollection& collection, QWidget* parent, const StatusMessage& message);
    // The print preview: shows the pages, from which the user prints or goes back.
    static bool Preview(const DBItemCollection& collection, QWidget* parent, const StatusMessage& message);

    // The items in the order of a sort method of the print settings (0 group, 1 name, 2 product,
    // 5 the list's price column, 9 date, 10 location), ordered as the item list orders its
    // columns; any other method keeps the database's order.
    static std::vector<const Item*> printOrder(const DBItemCollection& collection, int sortMethod);
    // The list columns' captions as the item list currently names them.
    static Captions columnCaptions();
    // The cells of the list. The running number counts every item in the printed order, printed
    // or not, from 1; a figure column shows what the list's column of that caption shows.
    static ListTable buildTable(const DBItemCollection& collection, const PrintSettings& settings,
                                const Captions& captions);
    // Paints the list on the device, turning it to landscape first when the columns need it;
    // newPage is told the number of each page from the second on. False when the device cannot
    // be painted on.
    static bool render(QPagedPaintDevice& device, const ListTable& table, const QString& separator,
                       ListLayout* layout = nullptr, const std::function<void(int page)>& newPage = {});

private:
    static bool run(bool preview, const DBItemCollection& collection, QWidget* parent, const StatusMessage& message);
};
