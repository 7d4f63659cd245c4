#include "TextRules.h"

#include <charconv>
#include <climits>
#include <string>

namespace {

struct Replacement
{
    char32_t character;
    const char* plain;
};

// The characters outside Latin-1 that people commonly type or paste, with what stands for them
// in the file. Anything else outside Latin-1 is removed.
// clang-format off
constexpr Replacement Replacements[] = {
    // euro sign
    { U'\u20ac', "EUR" },
    // hyphens, dashes, minus sign
    { U'\u2010', "-" }, { U'\u2011', "-" }, { U'\u2012', "-" }, { U'\u2013', "-" }, { U'\u2014', "-" },
    { U'\u2015', "-" }, { U'\u2212', "-" },
    // curly and prime quotes
    { U'\u2018', "'" }, { U'\u2019', "'" }, { U'\u201a', "'" }, { U'\u201b', "'" }, { U'\u2032', "'" },
    { U'\u201c', "\"" }, { U'\u201d', "\"" }, { U'\u201e', "\"" }, { U'\u201f', "\"" }, { U'\u2033', "\"" },
    // ellipsis, bullet, trade mark
    { U'\u2026', "..." }, { U'\u2022', "*" }, { U'\u2122', "TM" },
    // spaces of other widths
    { U'\u2002', " " }, { U'\u2003', " " }, { U'\u2007', " " }, { U'\u2009', " " }, { U'\u202f', " " },
};
// clang-format on

const char* plainFor(char32_t character)
{
    for (const Replacement& r : Replacements) {
        if (r.character == character)
            return r.plain;
    }
    return nullptr;
}

// The character as a notice names it: itself when it can be seen, else its code.
QString shown(char32_t character)
{
    if (QChar::isPrint(character) && !QChar::isSpace(character))
        return QString::fromUcs4(&character, 1);
    return QStringLiteral("U+") + QString::number(uint(character), 16).toUpper().rightJustified(4, u'0');
}

void note(QStringList* notices, const QString& text)
{
    if (notices && !notices->contains(text))
        notices->append(text);
}

// The shared walk of toStorable and toLatin1: characters outside Latin-1 always, control
// characters only when asked.
QString adjusted(const QString& text, bool controls, bool allowLineBreaks, QStringList* notices)
{
    QString out;
    out.reserve(text.size());
    const qsizetype size = text.size();
    for (qsizetype i = 0; i < size; ++i) {
        const QChar c = text.at(i);
        char32_t code = c.unicode();
        if (c.isHighSurrogate() && i + 1 < size && text.at(i + 1).isLowSurrogate()) {
            code = QChar::surrogateToUcs4(c, text.at(i + 1));
            ++i;
        }
        if (code < 0x20 && controls) {
            const bool lineBreak = code == u'\n' || code == u'\r' || code == u'\t';
            if (lineBreak && allowLineBreaks) {
                out += c;
            } else if (lineBreak) {
                // A CR LF pair is one line break, and so one space.
                if (!(code == u'\n' && i > 0 && text.at(i - 1) == u'\r'))
                    out += u' ';
                note(notices, TextRules::tr("LINE_BREAK_AS_SPACE"));
            } else {
                note(notices, TextRules::tr("CONTROL_CHARACTER_REMOVED"));
            }
            continue;
        }
        if (code <= 0xff) {
            out += QChar(char16_t(code));
            continue;
        }
        if (const char* plain = plainFor(code)) {
            out += QLatin1StringView(plain);
            note(notices, TextRules::tr("CHARACTER_REPLACED %1 %2").arg(shown(code), QLatin1StringView(plain)));
        } else {
            note(notices, TextRules::tr("CHARACTER_REMOVED %1").arg(shown(code)));
        }
    }
    return out;
}

bool isDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

} // namespace

QString TextRules::toStorable(const QString& text, bool allowLineBreaks, QStringList* notices)
{
    return adjusted(text, true, allowLineBreaks, notices);
}

QString TextRules::toLatin1(const QString& text, QStringList* notices)
{
    return adjusted(text, false, true, notices);
}

bool TextRules::isLatin1(QStringView text)
{
    for (const QChar c : text) {
        if (c.unicode() > 0xff)
            return false;
    }
    return true;
}

std::optional<double> TextRules::readFigure(QStringView text, int maxDecimals)
{
    const QStringView figure = text.trimmed();
    std::string plain;
    qsizetype decimals = -1;
    bool digits = false;
    for (const QChar c : figure) {
        if (isDigit(c)) {
            digits = true;
            plain += char(c.unicode());
            if (decimals >= 0 && ++decimals > maxDecimals)
                return std::nullopt;
        } else if ((c == u',' || c == u'.') && decimals < 0 && maxDecimals > 0) {
            plain += '.';
            decimals = 0;
        } else {
            return std::nullopt;
        }
    }
    if (!digits)
        return std::nullopt;
    if (plain.front() == '.')
        plain.insert(plain.begin(), '0');
    double value = 0.0;
    const auto result = std::from_chars(plain.data(), plain.data() + plain.size(), value);
    if (result.ec != std::errc())
        return std::nullopt;
    return value;
}

std::optional<int> TextRules::readWholeNumber(QStringView text)
{
    const QStringView number = text.trimmed();
    if (number.isEmpty() || number.size() > 10)
        return std::nullopt;
    long long value = 0;
    for (const QChar c : number) {
        if (!isDigit(c))
            return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    if (value > INT_MAX)
        return std::nullopt;
    return int(value);
}
