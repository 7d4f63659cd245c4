#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>

// What a text must be to reach the database file as it was typed, and how figures are read
// as people type them.
//
// The database file is Latin-1 and has no quoting. Texts that come from elsewhere (typed,
// pasted, imported) are made storable before they reach an item, so that nothing is changed
// behind the user's back when the file is written: common characters outside Latin-1 become
// their plain equivalents (the euro sign "EUR", dashes "-", curly quotes straight ones, the
// ellipsis "..."), the rest are removed, and so are control characters. Each change is named
// in a notice the caller shows.
class TextRules
{
    Q_DECLARE_TR_FUNCTIONS(TextRules)

public:
    // The text as the file can hold it. With allowLineBreaks, tabs and line breaks stay;
    // without, each tab or line break (CR LF counting as one) becomes a space. Other control
    // characters below 0x20 are removed. notices, when given, receives one line per kind of
    // change, each named once.
    static QString toStorable(const QString& text, bool allowLineBreaks, QStringList* notices);

    // Only the characters outside Latin-1 are replaced or removed, as toStorable does; control
    // characters stay. For texts that must otherwise stay as they are.
    static QString toLatin1(const QString& text, QStringList* notices);

    // Whether every character of the text fits into Latin-1.
    static bool isLatin1(QStringView text);

    // A figure as typed: digits with at most one decimal comma or point and at most
    // maxDecimals digits after it; blanks around it are allowed. Nothing else is read: no
    // sign, no thousands separator ("1.499,50", "1 499"), no exponent; "12,345" is refused
    // rather than guessed at when maxDecimals is below 3. Empty text is no figure either.
    static std::optional<double> readFigure(QStringView text, int maxDecimals);

    // A whole number as typed: digits only, blanks around them allowed, at most the largest
    // int.
    static std::optional<int> readWholeNumber(QStringView text);
};
