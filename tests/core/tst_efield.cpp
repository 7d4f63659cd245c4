#include "EField.h"
#include "FailDevice.h"

#include <QBuffer>
#include <QTest>

namespace {

// The start of a database line: the group, a separator, the name, a separator.
struct TypeAndName : EFieldLine
{
    TypeAndName()
    {
        for (EField* field : std::initializer_list<EField*>{&type, &separator, &name, &separator})
            append(field);
    }
    EIntField type{"Type"};
    ECharField separator{"Separator"};
    EStringField name{"Name", ';'};
};

} // namespace

class TestEField : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void stringField_data();
    void stringField();
    void numbers_data();
    void numbers();
    void floatText_data();
    void floatText();
    void separatorTakesAnyCharacter();
    void lineErrorNamesFieldAndLine();
    void endOfInputIsEndOfFile();
    void lineWriteAndFailure();
    void textModeWritesCrLf();
};

void TestEField::stringField_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<int>("state");
    QTest::addColumn<qsizetype>("position");
    QTest::newRow("plain") << QByteArray("abc;def") << QByteArray("abc") << 0 << qsizetype(3);
    QTest::newRow("empty between separators") << QByteArray(";;") << QByteArray() << 0 << qsizetype(0);
    QTest::newRow("runs across a line end") << QByteArray("two\nlines;x") << QByteArray("two\nlines") << 0
                                            << qsizetype(9);
    QTest::newRow("end of input") << QByteArray("abc") << QByteArray("abc") << int(EInputStream::EofBit)
                                  << qsizetype(3);
    QTest::newRow("nothing left") << QByteArray() << QByteArray() << int(EInputStream::EofBit | EInputStream::FailBit)
                                  << qsizetype(0);
    QTest::newRow("199 characters") << QByteArray(199, 'x') + ";" << QByteArray(199, 'x') << 0 << qsizetype(199);
    QTest::newRow("250 characters are cut") << QByteArray(250, 'y') + ";" << QByteArray(199, 'y') << 0
                                            << qsizetype(199);
}

void TestEField::stringField()
{
    QFETCH(QByteArray, input);
    QFETCH(QByteArray, value);
    QFETCH(int, state);
    QFETCH(qsizetype, position);
    EInputStream in(input);
    EStringField field("Name", ';');
    field.read(in);
    QCOMPARE(field.toString(), value);
    QCOMPARE(in.rdstate(), state);
    QCOMPARE(in.position(), position);
}

void TestEField::numbers_data()
{
    QTest::addColumn<QByteArray>("input");
    QTest::addColumn<bool>("isInt");
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("state");
    QTest::newRow("int") << QByteArray("42;") << true << 42.0 << 0;
    QTest::newRow("int after line end") << QByteArray("\r\n \t-7;") << true << -7.0 << 0;
    QTest::newRow("int with plus") << QByteArray("+5;") << true << 5.0 << 0;
    QTest::newRow("int letters") << QByteArray("abc;") << true << 0.0 << int(EInputStream::FailBit);
    QTest::newRow("int too large") << QByteArray("99999999999;") << true << 2147483647.0 << int(EInputStream::FailBit);
    QTest::newRow("int at end") << QByteArray("12") << true << 12.0 << int(EInputStream::EofBit);
    QTest::newRow("int nothing") << QByteArray("  ") << true << 0.0 << int(EInputStream::EofBit | EInputStream::FailBit);
    QTest::newRow("float") << QByteArray("2500.000000;") << false << 2500.0 << 0;
    QTest::newRow("float short") << QByteArray("12.5;") << false << 12.5 << 0;
    QTest::newRow("float padded") << QByteArray("    12.50;") << false << 12.5 << 0;
    QTest::newRow("float exponent") << QByteArray("1e3;") << false << 1000.0 << 0;
    QTest::newRow("float leading point") << QByteArray(".5;") << false << 0.5 << 0;
    QTest::newRow("float no digits") << QByteArray("-;") << false << 0.0 << int(EInputStream::FailBit);
    QTest::newRow("float not a number") << QByteArray("nan;") << false << 0.0 << int(EInputStream::FailBit);
    QTest::newRow("float comma is not a point") << QByteArray("12,5;") << false << 12.0 << 0;
}

void TestEField::numbers()
{
    QFETCH(QByteArray, input);
    QFETCH(bool, isInt);
    QFETCH(double, value);
    QFETCH(int, state);
    EInputStream in(input);
    if (isInt) {
        EIntField field("Type");
        field.read(in);
        QCOMPARE(double(field.value()), value);
    } else {
        EFloatField field("Price", 9, 2);
        field.read(in);
        QCOMPARE(field.value(), value);
    }
    QCOMPARE(in.rdstate(), state);
}

void TestEField::floatText_data()
{
    QTest::addColumn<int>("width");
    QTest::addColumn<int>("precision");
    QTest::addColumn<double>("value");
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("file form") << 0 << 6 << 2500.0 << QByteArray("2500.000000");
    QTest::newRow("padded") << 9 << 2 << 12.5 << QByteArray("    12.50");
    QTest::newRow("wider than width") << 3 << 2 << 12345.678 << QByteArray("12345.68");
    QTest::newRow("negative") << 0 << 6 << -0.5 << QByteArray("-0.500000");
    // Large numbers are written whole, so they read back to the same value.
    QTest::newRow("large") << 0 << 6 << 1e25 << QByteArray("10000000000000000905969664.000000");
}

void TestEField::floatText()
{
    QFETCH(int, width);
    QFETCH(int, precision);
    QFETCH(double, value);
    QFETCH(QByteArray, text);
    EFloatField field(width, precision);
    field.setValue(value);
    QCOMPARE(field.toString(), text);
    QCOMPARE(field.toString(), QString::asprintf("%*.*f", width, precision, value).toLatin1());
}

void TestEField::separatorTakesAnyCharacter()
{
    // The separator position takes one character without looking at it: a text of 250
    // characters leaves its 200th character to the separator and the rest to the next field.
    const QByteArray input = QByteArray(250, 'a') + ";next;";
    EInputStream in(input);
    EStringField first("Name", ';'), second("Model", ';');
    ECharField separator("Separator");
    EFieldLine line;
    line.append(&first);
    line.append(&separator);
    line.append(&second);
    line.append(&separator);
    line.read(in);
    QCOMPARE(first.value().size(), size_t(199));
    QCOMPARE(separator.value(), ';');
    QCOMPARE(second.value(), std::string(50, 'a'));
    QCOMPARE(line.count(), 1);
}

void TestEField::lineErrorNamesFieldAndLine()
{
    const QByteArray input = "1;first;\nabc;second;\n";
    EInputStream in(input);
    TypeAndName line;
    line.read(in);
    in.ignore(100, '\n');
    try {
        line.read(in);
        QFAIL("letters in an integer field must raise");
    } catch (const ELineException& e) {
        QCOMPARE(e.lineNumber(), 1);
        QCOMPARE(e.fieldIndex(), 0);
        QCOMPARE(e.fieldException().fieldName(), QByteArray("Type"));
        QVERIFY(!e.isEndOfFile());
        QCOMPARE(e.message(), QByteArray("An error occured while reading line 1, parameter (Type)!"));
        const ELineException copy(e);
        QCOMPARE(copy.fieldException().code(), e.fieldException().code());
    }
    // The message never exceeds 99 characters, whatever the field is called.
    const ELineException longName(0, 123456, EFieldException(2, QByteArray(300, 'n')));
    QCOMPARE(longName.message().size(), 99);
}

void TestEField::endOfInputIsEndOfFile()
{
    const QByteArray input = "5;x;\n";
    EInputStream in(input);
    TypeAndName line;
    line.read(in);
    in.ignore(100, '\n');
    QVERIFY(in.atEnd());
    try {
        line.read(in);
        QFAIL("reading past the end must raise");
    } catch (const ELineException& e) {
        QVERIFY(e.isEndOfFile());
        QCOMPARE(e.fieldException().code(), int(EInputStream::EofBit | EInputStream::FailBit));
        QCOMPARE(e.lineNumber(), 1);
    }
}

void TestEField::lineWriteAndFailure()
{
    EIntField type;
    type.setValue(-3);
    ECharField separator;
    separator.setValue(';');
    EStringField text;
    text.setValue("abc");
    EFloatField price(0, 6);
    price.setValue(12.5);
    EFieldLine line;
    for (EField* field : std::initializer_list<EField*>{&type, &separator, &text, &separator, &price, &separator})
        line.append(field);

    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EOutputStream out(&buffer, false);
    line.write(out);
    line.write(out);
    QVERIFY(out.flush());
    QCOMPARE(buffer.data(), QByteArray("-3;abc;12.500000;-3;abc;12.500000;"));
    QCOMPARE(line.count(), 2);

    // A device that stops taking bytes: the stream goes bad and the next line raises.
    FailDevice full(10);
    full.open(QIODevice::WriteOnly);
    EOutputStream failing(&full, false);
    line.write(failing);
    QVERIFY(!failing.flush());
    QVERIFY(failing.bad());
    QVERIFY_THROWS_EXCEPTION(ELineException, line.write(failing));
}

void TestEField::textModeWritesCrLf()
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    EOutputStream out(&buffer, true);
    out << "a\nb" << "\n";
    out.put('\n');
    QVERIFY(out.flush());
    QCOMPARE(buffer.data(), QByteArray("a\r\nb\r\n\r\n"));
}

QTEST_GUILESS_MAIN(TestEField)
#include "tst_efield.moc"
