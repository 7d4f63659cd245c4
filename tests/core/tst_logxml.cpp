#include "DBItemCollection.h"
#include "LogXML.h"
#include "TestSettings.h"

#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray readLog(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// The log with its times replaced, so that its layout can be compared byte for byte.
QByteArray withoutTimes(QByteArray log)
{
    static const QRegularExpression timestamp(QStringLiteral("<Timestamp>\\d+\\.\\d{3}</Timestamp>"));
    static const QRegularExpression date(QStringLiteral("<Date>\\d{4}-\\d{2}-\\d{2}</Date>"));
    static const QRegularExpression time(QStringLiteral("<Time>\\d{2}:\\d{2}:\\d{2}\\.\\d{3}</Time>"));
    QString text = QString::fromLatin1(log);
    text.replace(timestamp, QStringLiteral("<Timestamp/>"));
    text.replace(date, QStringLiteral("<Date/>"));
    text.replace(time, QStringLiteral("<Time/>"));
    return text.toLatin1();
}

} // namespace

class TestLogXML : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void switchedByEnvironment_data();
    void switchedByEnvironment();
    void exactLayout();
    void unbalancedEndChangesNothing();
    void timesHaveTheirFormats();
    void collectionLogsLoadAndSave();
    void missingFolderDegradesQuietly();

private:
    QTemporaryDir m_dir;
    QString m_path;
};

void TestLogXML::init()
{
    m_path = m_dir.filePath(QStringLiteral("log.xml"));
    qputenv("DEBUGQUORVANE", "1");
}

void TestLogXML::cleanup()
{
    qunsetenv("DEBUGQUORVANE");
}

void TestLogXML::switchedByEnvironment_data()
{
    QTest::addColumn<QByteArray>("value");
    QTest::addColumn<bool>("enabled");
    QTest::newRow("1") << QByteArray("1") << true;
    QTest::newRow("x1y") << QByteArray("x1y") << true;
    QTest::newRow("yes") << QByteArray("yes") << false;
    QTest::newRow("0") << QByteArray("0") << false;
    QTest::newRow("unset") << QByteArray() << false;
}

void TestLogXML::switchedByEnvironment()
{
    QFETCH(QByteArray, value);
    QFETCH(bool, enabled);
    if (value.isNull())
        qunsetenv("DEBUGQUORVANE");
    else
        qputenv("DEBUGQUORVANE", value);
    {
        QFile stale(m_path);
        QVERIFY(stale.open(QIODevice::WriteOnly));
        stale.write("from an earlier start");
    }
    LogXML log(m_path, QStringLiteral("/Domvara/"));
    QCOMPARE(log.isEnabled(), enabled);
    log.LogEntry("dk", "hestivawindow", "Language");
    log.CloseLog();
    const QByteArray content = readLog(m_path);
    QCOMPARE(content.isEmpty(), !enabled);
    QVERIFY(!content.contains("earlier"));
}

void TestLogXML::exactLayout()
{
    LogXML log(m_path, QStringLiteral("/Domvara/"));
    log.LogEntry("dk", "hestivawindow", "Language");
    log.BeginLogItem("C:/x&y.db", "DBItemCollection", "LoadFromAsciiFile()");
    log.WriteElement("Item", "\nType: 1");
    log.BeginLogItem();
    log.LogEntry("inner", nullptr, nullptr);
    log.CloseLog();

    const QByteArray expected = "<?xml version=\"1.0\" encoding=\"ISO-8859-1\"?>\r\n"
                                "<LogFile>\r\n"
                                "  <AppName>/Domvara/</AppName>\r\n"
                                "  <Timestamp/>\r\n"
                                "  <Date/>\r\n"
                                "  <Time/>\r\n"
                                "  <LogItem>\r\n"
                                "    <Date/>\r\n"
                                "    <Time/>\r\n"
                                "    <Filename>hestivawindow</Filename>\r\n"
                                "    <Function>Language</Function>\r\n"
                                "    <Entry>dk</Entry>\r\n"
                                "  </LogItem>\r\n"
                                "  <LogItem>\r\n"
                                "    <Date/>\r\n"
                                "    <Time/>\r\n"
                                "    <Filename>DBItemCollection</Filename>\r\n"
                                "    <Function>LoadFromAsciiFile()</Function>\r\n"
                                "    <Entry>C:/x&y.db</Entry>\r\n"
                                "    <Item>\r\n"
                                "Type: 1</Item>\r\n"
                                "    <LogItem>\r\n"
                                "      <Date/>\r\n"
                                "      <Time/>\r\n"
                                "      <LogItem>\r\n"
                                "        <Date/>\r\n"
                                "        <Time/>\r\n"
                                "        <Entry>inner</Entry>\r\n"
                                "      </LogItem>\r\n"
                                "    </LogItem>\r\n"
                                "  </LogItem>\r\n"
                                "  <LogItem>\r\n"
                                "    <Date/>\r\n"
                                "    <Time/>\r\n"
                                "    <Filename>LogXML</Filename>\r\n"
                                "    <Entry>Log File closed</Entry>\r\n"
                                "  </LogItem>\r\n"
                                "</LogFile>";
    QCOMPARE(withoutTimes(readLog(m_path)), expected);
    // Closed: later calls write nothing.
    QVERIFY(!log.LogEntry("late"));
}

void TestLogXML::unbalancedEndChangesNothing()
{
    LogXML log(m_path, QStringLiteral("/Mintora/"));
    QCOMPARE(log.depth(), 1);
    QVERIFY(!log.EndLogItem());
    QCOMPARE(log.depth(), 1);
    log.CloseLog();
    QVERIFY(readLog(m_path).endsWith("</LogItem>\r\n</LogFile>"));
}

void TestLogXML::timesHaveTheirFormats()
{
    LogXML log(m_path, QStringLiteral("/Pictova/"));
    log.CloseLog();
    const QString text = QString::fromLatin1(readLog(m_path));
    QVERIFY(QRegularExpression(QStringLiteral("<Timestamp>\\d{10,}\\.\\d{3}</Timestamp>")).match(text).hasMatch());
    QVERIFY(QRegularExpression(QStringLiteral("<Date>\\d{4}-\\d{2}-\\d{2}</Date>")).match(text).hasMatch());
    QVERIFY(QRegularExpression(QStringLiteral("<Time>\\d{2}:\\d{2}:\\d{2}\\.\\d{3}</Time>")).match(text).hasMatch());
}

void TestLogXML::collectionLogsLoadAndSave()
{
    TestSettings settings;
    settings.setValue("LastDBDir", m_dir.path());
    LogXML log(m_path, QStringLiteral("/Domvara/"));
    {
        DBItemCollection collection(&log);
        QVERIFY(collection.loadFromData("#2.5.5 (INB)\r\n3;Lamp;;1;1;;;;;;;1;0;;;;;\r\n"));
        QVERIFY(collection.SaveToFileAsAscii(m_dir.filePath(QStringLiteral("db.inb"))));
    }
    log.CloseLog();
    const QByteArray text = withoutTimes(readLog(m_path));
    QVERIFY(text.contains("<Function>MakeDynamicLists()</Function>"));
    QVERIFY(text.contains("<Entry>#2.5.5 (INB)</Entry>\r\n    <Item>\r\nType: 3\r\nName: Lamp"));
    QVERIFY(text.contains("<Function>LoadFromAsciiFile() - loaded</Function>"));
    QVERIFY(text.contains("<Function>SaveToFileAsAscii()</Function>\r\n    <Entry>" + m_dir.path().toLatin1()
                          + "/db.inb</Entry>"));
}

void TestLogXML::missingFolderDegradesQuietly()
{
    LogXML log(m_dir.filePath(QStringLiteral("missing/log.xml")), QStringLiteral("/Domvara/"));
    QVERIFY(!log.isEnabled());
    QVERIFY(!log.LogEntry("x"));
    QVERIFY(!log.CloseLog());
}

QTEST_GUILESS_MAIN(TestLogXML)
#include "tst_logxml.moc"
