// The XML document byte for byte, failing devices and files, the output folder of the views,
// and the save and view commands with the desktop and the boxes replaced by recorders.

#include "ExportTestSupport.h"
#include "ExportWriter.h"
#include "FailDevice.h"
#include "LockedFolder.h"
#include "XmlExport.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTest>
#include <QXmlStreamReader>

namespace {

QByteArray xml(DBItemCollection& collection)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    return writeXml(collection, buffer) ? buffer.data() : QByteArray("failed");
}

const QByteArray Declaration = "<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>\r\n<Items>\r\n";

void fill(DBItemCollection& collection)
{
    collection.groups().setEntries({ QStringLiteral("Kitchen & Bath"), QStringLiteral("Tools") });
    collection.locations().setEntries({ QStringLiteral("Attic"), QStringLiteral("Cellar"), QStringLiteral("Garage"),
                                        QStringLiteral("Hall"), QStringLiteral("Loft") });
    Item* saw = addItem(collection, 1, QStringLiteral("Saw <big> & \"sharp\" 'ok'"), 7);
    saw->setProduct(QStringLiteral("Bosch"));
    saw->setProductModel(QStringLiteral("PST"));
    saw->setPrice(1499.5);
    saw->setDate(QStringLiteral("24.12.2009"));
    saw->setSupplier(QStringLiteral("Bauhaus"));
    saw->setSerialno(QStringLiteral("S1"));
    saw->setDescription(QStringLiteral("\u00e6\u00f8\u00e5 \u20ac"));
    saw->setPhotolink(QStringLiteral("/p/saw.jpg"));
    saw->setNumber_of_items(2);
    saw->setWww(QStringLiteral("http://x?a=1&b=2"));
    saw->setDocument(QStringLiteral("d.pdf"));
    saw->setExtra1(QStringLiteral("e1"));
    saw->setExtra4(QStringLiteral("e4"));
    Item* lamp = addItem(collection, 0, QStringLiteral("Lamp"), 1, 12);
    lamp->setPrice(2500);
    lamp->setNumber_of_items(1);
    addItem(collection, 9, QStringLiteral("Odd"), -1);
}

} // namespace

class TestXmlExport : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init()
    {
        m_rec = std::make_unique<ExportRecorder>();
    }
    void cleanup()
    {
        m_rec.reset();
    }
    void emptyCollection();
    void smallCollection();
    void textsReadBackByAnXmlReader();
    void failingDevice();
    void failedWriteKeepsOldFile();
    void lockedFolderIsWrittenInPlace();
    void viewOutputPath();
    void saveAsXmlCommand();
    void showAllAsXml();

private:
    std::unique_ptr<ExportRecorder> m_rec;
};

void TestXmlExport::emptyCollection()
{
    DBItemCollection collection;
    QCOMPARE(xml(collection), Declaration + "</Items>\r\n");
}

void TestXmlExport::smallCollection()
{
    DBItemCollection collection;
    fill(collection);
    // Sorted by group; a group or location beyond its list is written as its number.
    const QByteArray expected = Declaration
        + block("Group=Kitchen &amp; Bath|Name=Lamp|Price=2500.0|PriceToday=12.0|NumberOfItems=1|Location=Cellar")
        + block("Group=Tools|Name=Saw &lt;big&gt; &amp; &quot;sharp&quot; &apos;ok&apos;|Product=Bosch|Model=PST|"
                "Price=1499.5|PriceToday=0.0|Date=24.12.2009|Supplier=Bauhaus|SerialNumber=S1|"
                "Description=\xe6\xf8\xe5 &#8364;|NumberOfItems=2|Location=7|WwwLink=http://x?a=1&amp;b=2|"
                "DocumentLink=d.pdf|Extra1=e1|Extra4=e4|PictureLink=/p/saw.jpg")
        + block("Group=9|Name=Odd|Price=0.0|PriceToday=0.0|NumberOfItems=0|Location=-1") + "</Items>\r\n";
    QCOMPARE(xml(collection), expected);
    // The collection keeps the order by group.
    QCOMPARE(collection.at(0)->name(), QStringLiteral("Lamp"));

    const QString path = m_rec->dir.filePath(QStringLiteral("out.xml"));
    QVERIFY(saveAsXml(collection, path));
    QCOMPARE(readFile(path), expected);
}

void TestXmlExport::textsReadBackByAnXmlReader()
{
    // Escaped as the item getters escape; what Latin-1 cannot hold as character references;
    // every line break as CR LF; control characters XML 1.0 cannot carry left out.
    DBItemCollection collection;
    const QString name = QStringLiteral("a&amp;<b>\"c\"'d' \u00fc\U0001F600 \u20ac");
    addItem(collection, 0, name)->setDescription(QStringLiteral("one\ntwo\rthree\r\nfour\x01\x1f\tend"));
    const QByteArray bytes = xml(collection);
    QVERIFY(bytes.contains("<Name>a&amp;amp;&lt;b&gt;&quot;c&quot;&apos;d&apos; \xfc&#128512; &#8364;</Name>\r\n"));
    QVERIFY(bytes.contains("<Description>one\r\ntwo\r\nthree\r\nfour\tend</Description>\r\n"));
    for (qsizetype i = 0; i < bytes.size(); ++i) {
        const char b = bytes[i];
        if (b == '\n')
            QVERIFY(i > 0 && bytes[i - 1] == '\r');
        else if (b == '\r')
            QVERIFY(i + 1 < bytes.size() && bytes[i + 1] == '\n');
        else
            QVERIFY(uchar(b) >= 0x20 || b == '\t');
    }

    QXmlStreamReader reader(bytes);
    QString readName, readDescription;
    while (!reader.atEnd()) {
        if (reader.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (reader.name() == QLatin1StringView("Name"))
            readName = reader.readElementText();
        else if (reader.name() == QLatin1StringView("Description"))
            readDescription = reader.readElementText();
    }
    QVERIFY2(!reader.hasError(), qPrintable(reader.errorString()));
    QCOMPARE(readName, name);
    QCOMPARE(readDescription, QStringLiteral("one\ntwo\nthree\nfour\tend"));
}

void TestXmlExport::failingDevice()
{
    DBItemCollection collection;
    for (int i = 0; i < 3000; ++i)
        addItem(collection, i % 3, QStringLiteral("Item %1").arg(i));
    const qint64 size = xml(collection).size();
    QVERIFY(size > 300 * 1024); // several pieces reach the device
    for (const qint64 failAfter : { qint64(10), qint64(300 * 1024), size - 1 }) {
        FailDevice device(failAfter);
        device.open(QIODevice::WriteOnly);
        QVERIFY(!writeXml(collection, device));
    }
    FailDevice enough(size);
    enough.open(QIODevice::WriteOnly);
    QVERIFY(writeXml(collection, enough));
}

void TestXmlExport::failedWriteKeepsOldFile()
{
    const QString path = m_rec->dir.filePath(QStringLiteral("old.xml"));
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old contents");
    old.close();
    QVERIFY(!writeFileSafely(path, [](QIODevice& device) {
        device.write("half a");
        return false;
    }));
    QCOMPARE(readFile(path), QByteArray("old contents"));
    QCOMPARE(QDir(m_rec->dir.path()).entryList(QDir::Files), QStringList{ QStringLiteral("old.xml") });

    DBItemCollection collection;
    QVERIFY(!saveAsXml(collection, m_rec->dir.filePath(QStringLiteral("missing/out.xml"))));
}

void TestXmlExport::lockedFolderIsWrittenInPlace()
{
    // An export over a file in a folder where no new file can be made.
    const QString folder = m_rec->dir.filePath(QStringLiteral("share"));
    QVERIFY(QDir().mkpath(folder));
    const QString path = folder + QStringLiteral("/register.xml");
    QFile old(path);
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.write("old contents");
    old.close();
    qputenv("XDG_DATA_HOME", m_rec->dir.filePath(QStringLiteral("data")).toLocal8Bit());
    DBItemCollection collection;
    fill(collection);
    ExportCommands::Result result;
    {
        const LockedFolder locked(folder);
        result = ExportCommands::SaveAsXML(collection, QString(), path, m_rec->message);
    }
    qunsetenv("XDG_DATA_HOME");
    QCOMPARE(result, ExportCommands::Result::Written);
    QCOMPARE(readFile(path), xml(collection));
    QVERIFY(m_rec->boxes.isEmpty());
}

void TestXmlExport::viewOutputPath()
{
    QCOMPARE(ExportCommands::viewOutputPath(QStringLiteral("allDBItemsAsXml"), QStringLiteral(".xml")),
             m_rec->dir.filePath(QStringLiteral("allDBItemsAsXml.xml")));

    // Without AppData (empty or unset) the per-user data folder is used, and made.
    const QString dataHome = m_rec->dir.filePath(QStringLiteral("data"));
    qputenv("XDG_DATA_HOME", dataHome.toLocal8Bit());
    for (const bool empty : { true, false }) {
        empty ? qputenv("AppData", "") : qunsetenv("AppData");
        const QString folder = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        QVERIFY(folder.startsWith(dataHome + u'/'));
        QCOMPARE(ExportCommands::viewOutputPath(QStringLiteral("DbItemAll"), QStringLiteral(".htm")),
                 folder + QStringLiteral("/DbItemAll.htm"));
        QVERIFY(QDir(folder).exists());
    }

    // When that folder cannot be made, the views go beside the last database.
    QFile blocker(m_rec->dir.filePath(QStringLiteral("file")));
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    qputenv("XDG_DATA_HOME", blocker.fileName().toLocal8Bit() + "/below");
    m_rec->settings->setValue("LastDBDir", m_rec->dir.filePath(QStringLiteral("db/")));
    QCOMPARE(ExportCommands::viewOutputPath(QStringLiteral("DbIemTable"), QStringLiteral(".htm")),
             m_rec->dir.filePath(QStringLiteral("db/DbIemTable.htm")));
}

void TestXmlExport::saveAsXmlCommand()
{
    DBItemCollection collection;
    fill(collection);
    using Result = ExportCommands::Result;

    // Without a name and without a database file nothing is written or said.
    QCOMPARE(ExportCommands::SaveAsXML(collection, QString(), QString(), m_rec->message), Result::NoDatabaseName);
    QVERIFY(m_rec->messages.isEmpty());

    // Without a name the document goes beside the database, under its whole name.
    const QString database = m_rec->dir.filePath(QStringLiteral("home.db"));
    QCOMPARE(ExportCommands::SaveAsXML(collection, database, QString(), m_rec->message), Result::Written);
    QVERIFY(QFile::exists(database + QStringLiteral(".xml")));
    QCOMPARE(m_rec->messages.size(), 1);
    QCOMPARE(m_rec->messages[0].second, 10000);
    const QRegularExpression status(QStringLiteral("^%1 gemt, antal: 3, tid: \\d+\\.\\d\\d sec $")
                                        .arg(QRegularExpression::escape(database + QStringLiteral(".xml"))));
    QVERIFY2(status.match(m_rec->messages[0].first).hasMatch(), qPrintable(m_rec->messages[0].first));

    // A file that cannot be written is reported in a box, not as saved.
    const QString bad = m_rec->dir.filePath(QStringLiteral("missing/x.xml"));
    QCOMPARE(ExportCommands::SaveAsXML(collection, database, bad, m_rec->message), Result::Failed);
    QCOMPARE(m_rec->messages.size(), 1);
    QCOMPARE(m_rec->boxes.size(), 1);
    QCOMPARE(m_rec->boxes[0].icon, QMessageBox::Critical);
    QVERIFY(m_rec->boxes[0].text.contains(bad));
    QVERIFY(m_rec->opened.isEmpty());
}

void TestXmlExport::showAllAsXml()
{
    DBItemCollection collection;
    fill(collection);
    ExportCommands::ShowAllAsXML(collection, m_rec->message);
    const QString path = m_rec->dir.filePath(QStringLiteral("allDBItemsAsXml.xml"));
    QVERIFY(QFile::exists(path));
    QCOMPARE(m_rec->opened, QList<QUrl>{ QUrl::fromLocalFile(path) });
    QCOMPARE(m_rec->messages.size(), 1);
    QVERIFY(m_rec->boxes.isEmpty());

    // A view that cannot be written is not opened.
    qputenv("AppData", m_rec->dir.filePath(QStringLiteral("missing")).toLocal8Bit());
    ExportCommands::ShowAllAsXML(collection, m_rec->message);
    QCOMPARE(m_rec->opened.size(), 1);
    QCOMPARE(m_rec->boxes.size(), 1);
}

QTEST_MAIN(TestXmlExport)
#include "tst_xmlexport.moc"
