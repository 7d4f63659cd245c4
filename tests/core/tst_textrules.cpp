// Texts and figures as people type and paste them: what reaches the Latin-1 database file, and
// which figures are read.

#include "TextRules.h"

#include <QTest>

class TestTextRules : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void storableTexts_data();
    void storableTexts();
    void figuresAsTyped_data();
    void figuresAsTyped();
};

void TestTextRules::storableTexts_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("allowLineBreaks");
    QTest::addColumn<QString>("storable");
    QTest::addColumn<QStringList>("notices");
    QTest::newRow("Latin-1 stays") << QStringLiteral("Kåbe ÆØÅ ÿ ; 12\u00a0kr") << false
                                   << QStringLiteral("Kåbe ÆØÅ ÿ ; 12\u00a0kr") << QStringList();
    QTest::newRow("common ones replaced")
        << QStringLiteral("5 € – 7 — “so” ‘it’ is…") << false << QStringLiteral("5 EUR - 7 - \"so\" 'it' is...")
        << QStringList{ QStringLiteral("CHARACTER_REPLACED € EUR"), QStringLiteral("CHARACTER_REPLACED – -"),
                        QStringLiteral("CHARACTER_REPLACED — -"),   QStringLiteral("CHARACTER_REPLACED “ \""),
                        QStringLiteral("CHARACTER_REPLACED ” \""),  QStringLiteral("CHARACTER_REPLACED ‘ '"),
                        QStringLiteral("CHARACTER_REPLACED ’ '"),   QStringLiteral("CHARACTER_REPLACED … ...") };
    QTest::newRow("the rest removed, each named once")
        << QStringLiteral("a😀b😀c\u4e2dd\u200b") << false << QStringLiteral("abcd")
        << QStringList{ QStringLiteral("CHARACTER_REMOVED 😀"), QStringLiteral("CHARACTER_REMOVED \u4e2d"),
                        QStringLiteral("CHARACTER_REMOVED U+200B") };
    QTest::newRow("controls removed, line breaks as spaces")
        << QStringLiteral("a\x01\x1b"
                          "b\tc\r\nd\ne\rf")
        << false << QStringLiteral("ab c d e f")
        << QStringList{ QStringLiteral("CONTROL_CHARACTER_REMOVED"), QStringLiteral("LINE_BREAK_AS_SPACE") };
    QTest::newRow("line breaks kept where allowed")
        << QStringLiteral("a\x07"
                          "b\tc\r\nd\ne")
        << true << QStringLiteral("ab\tc\r\nd\ne") << QStringList{ QStringLiteral("CONTROL_CHARACTER_REMOVED") };
}

void TestTextRules::storableTexts()
{
    QFETCH(QString, text);
    QFETCH(bool, allowLineBreaks);
    QFETCH(QString, storable);
    QFETCH(QStringList, notices);
    QStringList told;
    QCOMPARE(TextRules::toStorable(text, allowLineBreaks, &told), storable);
    QCOMPARE(told, notices);
    QVERIFY(TextRules::isLatin1(storable));
    // Only the characters outside Latin-1, for texts whose control characters must stay.
    QCOMPARE(TextRules::toLatin1(QStringLiteral("\x01€\t"), nullptr),
             QStringLiteral("\x01"
                            "EUR\t"));
}

void TestTextRules::figuresAsTyped_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("readable");
    QTest::addColumn<double>("value");
    QTest::newRow("decimal comma") << QStringLiteral("1499,50") << true << 1499.5;
    QTest::newRow("decimal point") << QStringLiteral("1499.50") << true << 1499.5;
    QTest::newRow("blanks around, one decimal") << QStringLiteral(" 7,5 ") << true << 7.5;
    QTest::newRow("no whole part") << QStringLiteral(",25") << true << 0.25;
    QTest::newRow("whole") << QStringLiteral("2500") << true << 2500.0;
    QTest::newRow("grouping and decimals") << QStringLiteral("1.499,50") << false << 0.0;
    QTest::newRow("grouping by blank") << QStringLiteral("1 499") << false << 0.0;
    QTest::newRow("three decimals or grouping") << QStringLiteral("12,345") << false << 0.0;
    QTest::newRow("sign") << QStringLiteral("-12,345") << false << 0.0;
    QTest::newRow("plus") << QStringLiteral("+5") << false << 0.0;
    QTest::newRow("exponent") << QStringLiteral("1e3") << false << 0.0;
    QTest::newRow("separator alone") << QStringLiteral(".") << false << 0.0;
    QTest::newRow("empty") << QString() << false << 0.0;
}

void TestTextRules::figuresAsTyped()
{
    QFETCH(QString, typed);
    QFETCH(bool, readable);
    QFETCH(double, value);
    const std::optional<double> figure = TextRules::readFigure(typed, 2);
    QCOMPARE(figure.has_value(), readable);
    if (readable)
        QCOMPARE(*figure, value);

    // Whole numbers: digits only, no separator of any kind, at most the largest int.
    const std::optional<int> whole = TextRules::readWholeNumber(typed);
    const bool digitsOnly = readable && !typed.contains(u',') && !typed.contains(u'.');
    QCOMPARE(whole.has_value(), digitsOnly);
    QCOMPARE(TextRules::readWholeNumber(QStringLiteral("2147483647")), std::optional<int>(2147483647));
    QVERIFY(!TextRules::readWholeNumber(QStringLiteral("2147483648")));
}

QTEST_GUILESS_MAIN(TestTextRules)
#include "tst_textrules.moc"
