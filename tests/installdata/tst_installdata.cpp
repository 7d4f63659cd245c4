// The installation data a person meets at first start: every product's demo database in every
// language loads through the program's own loader with its lookup lists, links only files
// that are shipped, and every help page the program can ask for exists and is well-formed.

#include "DBItemCollection.h"
#include "DataPaths.h"
#include "RecordingReporter.h"
#include "Settings.h"
#include "TestSettings.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QRegularExpression>
#include <QSet>
#include <QTest>
#include <QXmlStreamReader>

namespace {

const QByteArrayList Languages = {"dk", "no", "en"};

QString sourceDataDir()
{
    return sourceFile(QStringLiteral("data"));
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

// A text file as the program writes it: every line ends with CR LF, the last one included.
bool hasCrLfLines(const QByteArray& data)
{
    if (data.isEmpty() || !data.endsWith("\r\n"))
        return false;
    return data.count('\n') == data.count("\r\n");
}

} // namespace

class TestInstallData : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void cleanupTestCase();
    void demoDatabases_data();
    void demoDatabases();
    void dataFolderFallbacks();
    void helpPagesExist_data();
    void helpPagesExist();
    void helpPagesAreWellFormedAndLinked();
    void releaseNotes();
    void labelData();

private:
    QString m_oldCurrent;
};

void TestInstallData::initTestCase()
{
    QVERIFY2(QFile::exists(sourceDataDir()), qPrintable(sourceDataDir()));
    m_oldCurrent = QDir::currentPath();
    // The fallback lists come from the program's data folder, and the demo databases' links
    // are relative to it, as they are before the demo is copied for the user.
    setDataDir(sourceDataDir());
    QDir::setCurrent(sourceDataDir());
}

void TestInstallData::cleanupTestCase()
{
    QDir::setCurrent(m_oldCurrent);
    setDataDir(QString());
}

void TestInstallData::demoDatabases_data()
{
    QTest::addColumn<int>("variant");
    QTest::addColumn<QByteArray>("language");
    for (const ProgramVariant variant :
         {ProgramVariant::Domvara, ProgramVariant::Stockvane, ProgramVariant::Mintora, ProgramVariant::Pictova}) {
        for (const QByteArray& language : Languages)
            QTest::addRow("%s %s", qPrintable(variantName(variant)), language.constData()) << int(variant) << language;
    }
}

void TestInstallData::demoDatabases()
{
    QFETCH(int, variant);
    QFETCH(QByteArray, language);
    const auto product = ProgramVariant(variant);
    TestSettings settings(product);
    settings.setValue(Setting::Language, QString::fromLatin1(language));
    // The demo database as installed, its lists beside it.
    settings.setValue(Setting::LastDBDir, demoDatabaseDir(product));
    const QString file = demoDatabaseFile(product, language);
    QVERIFY2(QFile::exists(file), qPrintable(file));

    const QByteArray bytes = readFile(file);
    QVERIFY(hasCrLfLines(bytes));
    const QByteArrayList lines = bytes.split('\n');
    QVERIFY(lines.first().startsWith(DBItemCollection::headerLine(product)));
    for (int i = 1; i < lines.size() - 1; ++i)
        QVERIFY2(lines[i].count(';') == 21, lines[i].constData());

    RecordingReporter reporter;
    {
        DBItemCollection collection(nullptr, &reporter);
        QVERIFY(collection.LoadFromAsciiFile(file));
        QVERIFY2(reporter.messages.isEmpty(), qPrintable(reporter.messages.value(0).text));
        QVERIFY2(collection.count() >= 30 && collection.count() <= 60, qPrintable(QString::number(collection.count())));
        QCOMPARE(collection.count(), int(lines.size()) - 2);

        // The lists are those of the language, beside the database.
        QVERIFY(collection.groups().size() > 0);
        QVERIFY(collection.locations().size() > 0);
        QVERIFY(collection.suppliers().size() > 0);
        QCOMPARE(collection.fieldLabels().size(), 21);
        const QString label15 = collection.fieldLabels().at(15);
        const QString label16 = collection.fieldLabels().at(16);
        QVERIFY(!label15.contains(u'#') && !label15.contains(QStringLiteral("COLUMN"), Qt::CaseInsensitive));
        QVERIFY(!label16.contains(QStringLiteral("FIELD"), Qt::CaseInsensitive));
        for (int i = 0; i < 21; ++i)
            QVERIFY2(!collection.fieldLabels().at(i).isEmpty(), qPrintable(QString::number(i)));

        int pictures = 0;
        int links = 0;
        QSet<QString> serials;
        for (const auto& item : collection.items()) {
            QVERIFY2(item->type() >= 0 && item->type() < collection.groups().size(), qPrintable(item->name()));
            QVERIFY2(item->location() >= 0 && item->location() < collection.locations().size(), qPrintable(item->name()));
            QVERIFY(!item->name().isEmpty());
            QVERIFY2(item->dateValue().isValid(), qPrintable(item->date()));
            for (const QString& link : {item->photolink(), item->receipt(), item->document()}) {
                if (link.isEmpty())
                    continue;
                ++links;
                QVERIFY2(QFile::exists(link), qPrintable(link));
            }
            if (!item->photolink().isEmpty())
                ++pictures;
            if (product == ProgramVariant::Stockvane)
                serials.insert(item->serialno());
        }
        QVERIFY(pictures >= 8);
        QVERIFY(links >= 15);
        if (product == ProgramVariant::Stockvane) {
            // Stock numbers are numbered one after the other.
            QCOMPARE(serials.size(), collection.count());
            QCOMPARE(collection.highestSerialNumber().toInt() - collection.count() + 1,
                     std::min_element(serials.begin(), serials.end(), [](const QString& a, const QString& b) {
                         return a.toInt() < b.toInt();
                     })->toInt());
        }
    }
    // The Danish fallback lists are there for lists of a missing language.
    const QString dir = demoDatabaseDir(product);
    QCOMPARE(readFile(dir + QStringLiteral("groups/groups.da.txt")), readFile(dir + QStringLiteral("groups/groups.dk.txt")));
    QCOMPARE(readFile(dir + QStringLiteral("location/location.da.txt")),
             readFile(dir + QStringLiteral("location/location.dk.txt")));
    for (const char* list : {"groups/groups", "location/location", "supplier/supplier", "fields/fields"})
        QVERIFY(hasCrLfLines(readFile(dir + QLatin1StringView(list) + u'.' + QString::fromLatin1(language) + QStringLiteral(".txt"))));
}

void TestInstallData::dataFolderFallbacks()
{
    // A database folder without lists gets the program's own groups and locations, and the
    // household suppliers and field labels, from the data folder wherever the program started.
    QTemporaryDir empty;
    QDir::setCurrent(empty.path());
    for (const QByteArray& language : Languages) {
        TestSettings settings;
        settings.setValue(Setting::Language, QString::fromLatin1(language));
        settings.setValue(Setting::LastDBDir, empty.path());
        DBItemCollection collection;
        QVERIFY(collection.groups().size() > 0);
        QVERIFY(collection.locations().size() > 0);
        QVERIFY(collection.suppliers().size() > 0);
        QCOMPARE(collection.fieldLabels().size(), 21);
    }
    QDir::setCurrent(sourceDataDir());
}

void TestInstallData::helpPagesExist_data()
{
    // The pages the Help menu, the release notes command and the dialogs' help buttons open.
    QTest::addColumn<QString>("page");
    const QStringList perLanguage = {
        QStringLiteral("index.%1.htm"),           QStringLiteral("HelpMintora.%1.htm"),
        QStringLiteral("GettingStarted.%1.htm"),  QStringLiteral("GettingStarted.Stockvane.%1.htm"),
        QStringLiteral("GettingStarted.Mintora.%1.htm"), QStringLiteral("GettingStarted.Pictova.%1.htm"),
        QStringLiteral("ErrorHandling.%1.htm"),   QStringLiteral("DomvaraLinksAndReferences.%1.htm"),
        QStringLiteral("Mintoralinks.%1.htm"),    QStringLiteral("Pictovalinks.%1.htm"),
        QStringLiteral("releasenotes.Domvara.%1.htm"), QStringLiteral("InventoryDialog.%1.htm"),
        QStringLiteral("MintoraDialog.%1.htm"),   QStringLiteral("PictovaDialog.%1.htm"),
        QStringLiteral("printSetupDialog.%1.htm"), QStringLiteral("printSetupMintora.%1.htm"),
        QStringLiteral("CommonSetupDialog.%1.htm"), QStringLiteral("CommonSetupDialog.Mintora.%1.htm"),
        QStringLiteral("releasenotes.%1.txt"),    QStringLiteral("releasenotes.Stockvane.%1.txt"),
        QStringLiteral("releasenotes.Mintora.%1.txt"), QStringLiteral("releasenotes.Pictova.%1.txt"),
    };
    for (const QString& name : perLanguage) {
        for (const QByteArray& language : Languages) {
            const QString page = name.arg(QString::fromLatin1(language));
            QTest::newRow(qPrintable(page)) << page;
        }
    }
    for (const char* page : {"Help.htm", "SetupDomvaraTyperDialog.htm", "SetupLokalerDialog.htm",
                             "SetupSupplierDialog.dk.htm"})
        QTest::newRow(page) << QString::fromLatin1(page);
}

void TestInstallData::helpPagesExist()
{
    QFETCH(QString, page);
    const QFileInfo info(QStringLiteral("help/") + page);
    QVERIFY2(info.isFile(), qPrintable(info.filePath()));
    QVERIFY(info.size() > 1000);
}

void TestInstallData::helpPagesAreWellFormedAndLinked()
{
    const QDir help(QStringLiteral("help"));
    const QStringList pages = help.entryList({QStringLiteral("*.htm")}, QDir::Files);
    QVERIFY(pages.size() >= 55);

    // Every page parses as XML; collect its ids and its relative links.
    QHash<QString, QSet<QString>> ids;
    QList<std::pair<QString, QString>> links;
    for (const QString& page : pages) {
        QXmlStreamReader xml(readFile(help.filePath(page)));
        bool hasStyle = false;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            const auto attributes = xml.attributes();
            if (attributes.hasAttribute(QStringLiteral("id")))
                ids[page].insert(attributes.value(QStringLiteral("id")).toString());
            for (const char* name : {"href", "src"}) {
                const QString target = attributes.value(QLatin1StringView(name)).toString();
                if (!target.isEmpty() && !target.contains(u':'))
                    links.append({page, target});
            }
            if (xml.name() == u"link" && attributes.value(QStringLiteral("href")) == u"help.css")
                hasStyle = true;
        }
        QVERIFY2(!xml.hasError(), qPrintable(page + QStringLiteral(": ") + xml.errorString() + QStringLiteral(" at line ")
                                             + QString::number(xml.lineNumber())));
        QVERIFY2(hasStyle, qPrintable(page));
    }
    for (const auto& [page, target] : links) {
        const QString file = target.section(u'#', 0, 0);
        const QString anchor = target.section(u'#', 1);
        const QString linked = file.isEmpty() ? page : file;
        QVERIFY2(help.exists(linked), qPrintable(page + QStringLiteral(" links to missing ") + target));
        if (!anchor.isEmpty() && linked.endsWith(QStringLiteral(".htm")))
            QVERIFY2(ids.value(linked).contains(anchor), qPrintable(page + QStringLiteral(" links to missing ") + target));
    }
}

void TestInstallData::releaseNotes()
{
    const QDir help(QStringLiteral("help"));
    for (const QString& name : help.entryList({QStringLiteral("releasenotes*.txt")}, QDir::Files)) {
        const QByteArray text = readFile(help.filePath(name));
        QVERIFY2(hasCrLfLines(text), qPrintable(name));
        QVERIFY2(text.contains("3.0.0"), qPrintable(name));
        // Latin-1 text, not UTF-8: no byte sequence that only UTF-8 would make of æ, ø, å.
        QVERIFY2(!text.contains("\xc3\xa6") && !text.contains("\xc3\xb8") && !text.contains("\xc3\xa5"), qPrintable(name));
    }
}

void TestInstallData::labelData()
{
    for (const char* name : {"Setup/BarcodeFormatFile.txt", "Setup/BarcodeFormatLocationFile.txt"}) {
        const QByteArray label = readFile(QString::fromLatin1(name));
        QVERIFY2(label.startsWith("^XA") && label.trimmed().endsWith("^XZ"), name);
        QVERIFY2(label.contains("%1") && label.contains("%2") && label.contains("%3"), name);
    }
    // The whole file is the device name, so it must not end in a line break.
    const QByteArray device = readFile(QStringLiteral("Setup/PrinterDevice.txt"));
    QVERIFY(!device.isEmpty());
    QVERIFY(!device.contains('\n') && !device.contains('\r'));
}

QTEST_GUILESS_MAIN(TestInstallData)
#include "tst_installdata.moc"
