#include "ProgramVariant.h"
#include "Settings.h"
#include "TestSettings.h"

#include <QTest>

class TestProgramVariant : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void variantFromPath_data();
    void variantFromPath();
    void namesAndTags();
    void language_data();
    void language();
    void lastDatabaseDirectory();
    void demoFiles();
    void caption();
};

void TestProgramVariant::variantFromPath_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<int>("variant");
    QTest::newRow("household folder") << "C:\\Programs\\Domvara\\setup\\hestiva.exe" << int(ProgramVariant::Domvara);
    QTest::newRow("stock before coins") << "/opt/Mintora/stockvane.exe" << int(ProgramVariant::Stockvane);
    QTest::newRow("letter case") << "DOMVARA.EXE" << int(ProgramVariant::Domvara);
    QTest::newRow("link") << "./pictova" << int(ProgramVariant::Pictova);
    QTest::newRow("coins") << "/usr/bin/mintora" << int(ProgramVariant::Mintora);
    QTest::newRow("plain program") << "./hestiva" << int(ProgramVariant::Domvara);
    QTest::newRow("pictures before coins") << "/x/MINTORA/Pictova" << int(ProgramVariant::Pictova);
    QTest::newRow("none") << "/usr/bin/inventory" << 0;
    QTest::newRow("empty") << "" << 0;
}

void TestProgramVariant::variantFromPath()
{
    QFETCH(QString, path);
    QFETCH(int, variant);
    const auto found = ::variantFromPath(path);
    QCOMPARE(found.has_value(), variant != 0);
    if (found)
        QCOMPARE(int(*found), variant);
}

void TestProgramVariant::namesAndTags()
{
    SetProgramVariant(ProgramVariant::Stockvane);
    QVERIFY(isStockvane());
    QVERIFY(!isDomvara() && !isMintora() && !isPictova());
    QCOMPARE(GetVariantName(), QStringLiteral("Stockvane"));
    QCOMPARE(GetVariantName(true), QStringLiteral("/Stockvane/"));
    QCOMPARE(variantTag(ProgramVariant::Domvara), QByteArray("INB"));
    QCOMPARE(variantTag(ProgramVariant::Stockvane), QByteArray("INV"));
    QCOMPARE(variantTag(ProgramVariant::Mintora), QByteArray("COI"));
    QCOMPARE(variantTag(ProgramVariant::Pictova), QByteArray("IMA"));
    QCOMPARE(int(ProgramVariant::Domvara), 1);
    QCOMPARE(int(ProgramVariant::Pictova), 2);
    QCOMPARE(int(ProgramVariant::Mintora), 3);
    QCOMPARE(int(ProgramVariant::Stockvane), 5);
}

void TestProgramVariant::language_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QByteArray>("language");
    QTest::newRow("unset") << QVariant() << QByteArray("dk");
    QTest::newRow("no") << QVariant(QStringLiteral("no")) << QByteArray("no");
    QTest::newRow("en") << QVariant(QStringLiteral("en")) << QByteArray("en");
    QTest::newRow("de") << QVariant(QStringLiteral("de")) << QByteArray("dk");
    QTest::newRow("EN") << QVariant(QStringLiteral("EN")) << QByteArray("dk");
}

void TestProgramVariant::language()
{
    QFETCH(QVariant, stored);
    QFETCH(QByteArray, language);
    TestSettings settings;
    if (stored.isValid())
        settings.setValue(Setting::Language, stored);
    QCOMPARE(GetLanguage(), language);
}

void TestProgramVariant::lastDatabaseDirectory()
{
    TestSettings settings(ProgramVariant::Pictova);
    settings.setValue(Setting::Language, QStringLiteral("no"));
    // By default the folder of the user's copy of the demo database, in the user's data folder.
    QCOMPARE(GetLastDBDir(), settings.path() + QStringLiteral("/data/Quorvane/Pictova/DemoDBReelix"));
    settings.setValue(Setting::LastDBDir, QStringLiteral("/data/art"));
    QCOMPARE(GetLastDBDir(), QStringLiteral("/data/art"));
    // Each product keeps settings of its own.
    TestSettings other(ProgramVariant::Mintora);
    QCOMPARE(GetLastDBDir(), other.path() + QStringLiteral("/data/Quorvane/Mintora/DemoDBMintora"));
}

void TestProgramVariant::demoFiles()
{
    QCOMPARE(demoDatabaseFile(ProgramVariant::Domvara, "dk"), QStringLiteral("db/DemoDBStd/DomvaraStdDemoDatabase.dk.db"));
    QCOMPARE(demoDatabaseFile(ProgramVariant::Pictova, "no"), QStringLiteral("db/DemoDBReelix/Reelix.no.db"));
    QCOMPARE(demoDatabaseFile(ProgramVariant::Mintora, "en"), QStringLiteral("db/DemoDBMintora/DemoDBMintora.en.txt"));
    QCOMPARE(demoDatabaseFile(ProgramVariant::Stockvane, "dk"), QStringLiteral("db/DemoStockvane/DemoStockvane.dk.db"));
    QCOMPARE(demoDatabaseDir(ProgramVariant::Stockvane), QStringLiteral("db/DemoStockvane/"));
}

void TestProgramVariant::caption()
{
    SetProgramVariant(ProgramVariant::Mintora);
    // Without a translation the key itself shows.
    QCOMPARE(GetCaption(QString()), QStringLiteral("MINTORA_CAPTION_TEXT - "));
    QCOMPARE(GetCaption(QStringLiteral("/home/a/coins.txt")), QStringLiteral("MINTORA_CAPTION_TEXT - /home/a/coins.txt"));
}

QTEST_GUILESS_MAIN(TestProgramVariant)
#include "tst_programvariant.moc"
