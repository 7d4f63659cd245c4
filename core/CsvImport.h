#pragma once

#include "CsvReader.h"
#include "Item.h"

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>
#include <vector>

class DBItemCollection;

// Reading items from a spreadsheet file into the open database, in two steps: prepare() reads
// and checks every record without changing anything, apply() adds what the user confirmed.
class CsvImport
{
    Q_DECLARE_TR_FUNCTIONS(CsvImport)

public:
    // Which field each column of the file fills (CsvFields::Field, or -1 to ignore it), whether
    // the first record is a header, and the decimal mark of the figures.
    struct Mapping
    {
        QList<int> fields;
        bool hasHeader = true;
        QChar decimalMark = u',';
    };

    struct Problem
    {
        int line = 0;
        QString reason;
    };

    struct Plan
    {
        std::vector<std::unique_ptr<Item>> items;
        // Per item: its line in the file, and its group and location: the position in the list,
        // -1 when the file gives none (the first entry then), or -2 - n for the n-th unknown name.
        std::vector<int> lines;
        std::vector<int> groups;
        std::vector<int> locations;
        // Names not in the lists, in the order they first appear.
        QStringList unknownGroups;
        QStringList unknownLocations;
        // Records that cannot be read; they are not among the items.
        QList<Problem> problems;
    };

    // What becomes of the group and location names that are not in the lists: added to the
    // list, or the items go to one chosen entry instead.
    struct Resolution
    {
        bool addGroups = true;
        int group = 0;
        bool addLocations = true;
        int location = 0;
    };

    // The records of a file and the delimiter they were read with. The fields refer to the
    // text of the file (Csv::parse), so they are valid while some copy of the File lives; what
    // prepare() gives back is independent of it.
    struct File
    {
        QString text;
        QList<Csv::Record> records;
        QChar delimiter = u';';
        Csv::Encoding encoding = Csv::Encoding::Utf8;
    };
    static File read(const QByteArray& bytes);

    // The mapping of a file an export of this program wrote (its header names every field in
    // order, in any of the three languages and decimal styles); none for any other file.
    static std::optional<Mapping> recognise(const File& file, const QList<QStringList>& labelLists);
    // A mapping to start the user from: fields by header names, the decimal mark the figures use.
    static Mapping guess(const File& file, const QList<QStringList>& labelLists);
    // The decimal mark the figure columns of a mapping read best with; with no clear answer the
    // one that goes with the delimiter.
    static QChar guessDecimalMark(const File& file, const QList<int>& fields, bool hasHeader);

    // Reads and checks every record; the collection is only looked at.
    static Plan prepare(const File& file, const Mapping& mapping, const DBItemCollection& collection);
    // Adds the items of the plan (the plan is emptied), adding names to the lists as resolved.
    // Returns how many items were added; -1 and nothing added when the lists could not take
    // the names (error says why).
    static int apply(Plan& plan, DBItemCollection& collection, const Resolution& resolution, QString* error);

    // Readers of one cell, as the import uses them.
    static std::optional<double> readFigure(QStringView text, QChar decimalMark);
    static std::optional<int> readWholeNumber(QStringView text);
    // "dd.MM.yyyy" for a date written as dd.MM.yyyy, dd-MM-yyyy, d/M/yyyy or yyyy-MM-dd.
    static std::optional<QString> readDate(QStringView text);
};
