// Help pages and outside programs: what is handed to the desktop, the result codes and the
// boxes, with the desktop and the boxes replaced by recorders.

#include "DataPaths.h"
#include "Desktop.h"
#include "HelpPages.h"
#include "MessageBoxes.h"
#include "Settings.h"
#include "ShellHelpers.h"
#include "TestSettings.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

Q_DECLARE_METATYPE(ProgramVariant)

class TestShellHelpers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void cleanup();
    void missingPageAndFolder();
    void noAssociation();
    void pageBelowDataFolderNotWorkingDirectory();
    void fullPathAndLongTarget();
    void errorTexts();
    void openWithAssociatedProgram();
    void programNotFound();
    void startProgramPassesArguments();
    void linkNeverAnOptionOfTheProgram();
    void helpPages_data();
    void helpPages();
    void releaseNotes();
    void openReleaseNotes();
    void dialogHelpPages();
    void everyPageIsInstalled();

private:
    // Creates an empty file below a folder (the working directory when none is given).
    QString touch(const QString& relativePath, const QString& folder = QString());

    std::unique_ptr<TestSettings> m_settings;
    std::unique_ptr<QTemporaryDir> m_dir;
    QString m_oldCurrent;
    QString m_work;
    QString m_data;
    QList<QUrl> m_opened;
    QList<QStringList> m_started;
    QList<MessageBoxes::Request> m_boxes;
    bool m_desktopAnswer = true;
};

void TestShellHelpers::init()
{
    m_settings = std::make_unique<TestSettings>();
    m_dir = std::make_unique<QTemporaryDir>();
    m_oldCurrent = QDir::currentPath();
    // The working directory and the program's data folder are two folders.
    m_work = m_dir->filePath(QStringLiteral("work"));
    m_data = m_dir->filePath(QStringLiteral("data"));
    QVERIFY(QDir().mkpath(m_work) && QDir().mkpath(m_data));
    QVERIFY(QDir::setCurrent(m_work));
    setDataDir(m_data);
    m_opened.clear();
    m_started.clear();
    m_boxes.clear();
    m_desktopAnswer = true;
    Desktop::setHandlers(
        [this](const QUrl& url) {
            m_opened.append(url);
            return m_desktopAnswer;
        },
        [this](const QString& program, const QStringList& arguments) {
            m_started.append(QStringList{program} + arguments);
            return m_desktopAnswer;
        });
    MessageBoxes::setAnswerer([this](const MessageBoxes::Request& request) {
        m_boxes.append(request);
        return 0;
    });
}

void TestShellHelpers::cleanup()
{
    Desktop::setHandlers({}, {});
    MessageBoxes::setAnswerer({});
    QDir::setCurrent(m_oldCurrent);
    setDataDir(QString());
}

QString TestShellHelpers::touch(const QString& relativePath, const QString& folder)
{
    const QString path = (folder.isEmpty() ? m_work : folder) + u'/' + relativePath;
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    return file.open(QIODevice::WriteOnly) ? path : QString();
}

void TestShellHelpers::missingPageAndFolder()
{
    QCOMPARE(ShellOpenFile(QStringLiteral("ErrorHandling.dk.htm"), QString(), false), 3);
    QDir(m_data).mkdir(QStringLiteral("help"));
    QCOMPARE(ShellOpenFile(QStringLiteral("ErrorHandling"), QStringLiteral(".dk.htm"), false), 2);
    QVERIFY(m_opened.isEmpty());
    QCOMPARE(m_boxes.size(), 2);
    const QString target = m_data + QStringLiteral("/help/ErrorHandling.dk.htm");
    QCOMPARE(m_boxes[0].icon, QMessageBox::Critical);
    QCOMPARE(m_boxes[0].title, QStringLiteral("HTML fejl"));
    QCOMPARE(m_boxes[0].text,
             QStringLiteral("Could not display help (%1), error: The specified path was not found.").arg(target));
    QCOMPARE(m_boxes[1].text, QStringLiteral("Could not display help (%1), error: The specified file was not found "
                                             "(please, check write permissions).")
                                  .arg(target));
}

void TestShellHelpers::noAssociation()
{
    const QString page = touch(QStringLiteral("help/index.dk.htm"), m_data);
    m_desktopAnswer = false;
    QCOMPARE(ShellOpenFile(QStringLiteral("index.dk.htm"), QString(), false), 31);
    QCOMPARE(m_opened, QList<QUrl>{QUrl::fromLocalFile(page)});
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].text, QStringLiteral("Could not display help (%1), error: There is no application associated "
                                             "with the given file name extension. This error will also be returned "
                                             "if you attempt to print a file that is not printable.")
                                  .arg(page));
}

void TestShellHelpers::pageBelowDataFolderNotWorkingDirectory()
{
    // Started from anywhere, the program shows its own pages, not what the folder it was started
    // in happens to hold.
    touch(QStringLiteral("help/Help.htm"));
    const QString page = touch(QStringLiteral("help/Help.htm"), m_data);
    QCOMPARE(openHelpPage(HelpCommand::Help, ProgramVariant::Pictova, "en"), 33);
    QCOMPARE(m_opened, QList<QUrl>{QUrl::fromLocalFile(page)});
    QVERIFY(m_boxes.isEmpty());
}

void TestShellHelpers::fullPathAndLongTarget()
{
    // A deep folder makes the target far longer than the shell's old limit; it is passed whole.
    const QString deep = QStringLiteral("/%1").arg(QString(60, u'd')).repeated(5);
    const QString view = touch(deep.mid(1) + QStringLiteral("/DbItemAll.htm"));
    QVERIFY(view.toLatin1().size() > 300);
    QCOMPARE(ShellOpenFile(view.chopped(4), QStringLiteral(".htm"), true), 33);
    QCOMPARE(m_opened.size(), 1);
    QCOMPARE(m_opened[0].toLocalFile(), view);
    QVERIFY(m_boxes.isEmpty());
}

void TestShellHelpers::errorTexts()
{
    QCOMPARE(ShellErrorText(0), QStringLiteral("The operating system is out of memory or resources."));
    QCOMPARE(ShellErrorText(26), QStringLiteral("A sharing violation occurred."));
    QCOMPARE(ShellErrorText(27), QStringLiteral("The file name association is incomplete or invalid."));
    QCOMPARE(ShellErrorText(32), QStringLiteral("The specified DLL was not found."));
    // Access denied and the other codes without a text, and success.
    for (const int code : {5, 1, 30, 33})
        QVERIFY(ShellErrorText(code).isEmpty());
}

void TestShellHelpers::openWithAssociatedProgram()
{
    OpenWithAssociatedProgram(QString());
    QVERIFY(m_opened.isEmpty() && m_boxes.isEmpty());

    // A relative link is found in the working directory, else in the database's folder.
    const QString receipt = touch(QStringLiteral("receipts/tv.pdf"));
    const QString database = m_dir->filePath(QStringLiteral("db"));
    m_settings->setValue(Setting::LastDBDir, database);
    const QString manual = touch(QStringLiteral("documents/manual.pdf"), database);
    OpenWithAssociatedProgram(QStringLiteral("receipts/tv.pdf"));
    OpenWithAssociatedProgram(QStringLiteral("documents/manual.pdf"));
    OpenWithAssociatedProgram(QStringLiteral("https://natmus.dk/samlinger?id=7"));
    OpenWithAssociatedProgram(QStringLiteral("mailto:info@example.dk"));
    QCOMPARE(m_opened, (QList<QUrl>{QUrl::fromLocalFile(receipt), QUrl::fromLocalFile(manual),
                                    QUrl(QStringLiteral("https://natmus.dk/samlinger?id=7")),
                                    QUrl(QStringLiteral("mailto:info@example.dk"))}));
    QVERIFY(m_boxes.isEmpty());

    // A drive letter is no scheme: the missing file is reported without asking the desktop.
    OpenWithAssociatedProgram(QStringLiteral("C:/Billeder/stol.jpg"));
    QCOMPARE(m_opened.size(), 4);
    m_desktopAnswer = false;
    OpenWithAssociatedProgram(QStringLiteral("receipts/tv.pdf"));
    QCOMPARE(m_boxes.size(), 2);
    for (const MessageBoxes::Request& box : std::as_const(m_boxes)) {
        QCOMPARE(box.icon, QMessageBox::NoIcon);
        QCOMPARE(box.title, QStringLiteral("Quorvane program error"));
        QCOMPARE(box.buttons.size(), 1);
        QCOMPARE(box.defaultButton, 0);
    }
    QCOMPARE(m_boxes[0].text, QStringLiteral("Ingen program associeret med filer af denne type C:/Billeder/stol.jpg"));
    QCOMPARE(m_boxes[1].text, QStringLiteral("Ingen program associeret med filer af denne type ") + receipt);
}

void TestShellHelpers::programNotFound()
{
    ShowProgramNotFound(QString(), QStringLiteral("a.pdf"));
    QVERIFY(m_boxes.isEmpty());
    ShowProgramNotFound(QStringLiteral("mspaint.exe"), QStringLiteral("/data/a.pdf"));
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].icon, QMessageBox::Critical);
    QCOMPARE(m_boxes[0].title, QStringLiteral("Fejl"));
    QCOMPARE(m_boxes[0].buttons, QStringList{QStringLiteral("&Ok")});
    QCOMPARE(m_boxes[0].text, QString::fromUtf8("Program (mspaint.exe) ikke fundet.\nHint: Vælg ønsket program til at "
                                                "vise aktuelle fil type,\nvia Opsætning menu.\nKalder istedet program "
                                                "associeret med filen /data/a.pdf"));
}

void TestShellHelpers::startProgramPassesArguments()
{
    const QStringList arguments{QStringLiteral("-d"), QStringLiteral("label printer"), QStringLiteral("$HOME; rm x"),
                                QString(), QStringLiteral("--"), QStringLiteral("/tmp/a b.txt")};
    QVERIFY(StartProgram(QStringLiteral("lp"), arguments));
    m_desktopAnswer = false;
    QVERIFY(!StartProgram(QStringLiteral("cp"), {}));
    QCOMPARE(m_started, (QList<QStringList>{QStringList{QStringLiteral("lp")} + arguments, {QStringLiteral("cp")}}));
}

void TestShellHelpers::linkNeverAnOptionOfTheProgram()
{
    // A link from a database made elsewhere must not steer the chosen program with a switch.
    const QString program = QStringLiteral("browser");
    OpenWithProgram(program, QStringLiteral("--gpu-launcher=touch /tmp/owned"));
    OpenWithProgram(program, QStringLiteral("https://example.org/-x"));
    QCOMPARE(m_started.size(), 2);
    QCOMPARE(m_started[0], (QStringList{program, QStringLiteral("./--gpu-launcher=touch /tmp/owned")}));
    QCOMPARE(m_started[1], (QStringList{program, QStringLiteral("https://example.org/-x")}));
    QVERIFY(m_opened.isEmpty());
    QVERIFY(m_boxes.isEmpty());
}

void TestShellHelpers::helpPages_data()
{
    // Per product and language: the pages of Help, Tutorial, ErrorHandling and Links, a "-"
    // before a page the Help menu does not offer.
    QTest::addColumn<ProgramVariant>("variant");
    QTest::addColumn<QByteArray>("language");
    QTest::addColumn<QStringList>("pages");
    const auto row = [](const char* name, ProgramVariant variant, const QByteArray& language, const char* pages) {
        QTest::newRow(name) << variant << language << QString::fromLatin1(pages).split(u' ');
    };
    row("Domvara dk", ProgramVariant::Domvara, "dk",
        "index.dk.htm GettingStarted.dk.htm ErrorHandling.dk.htm DomvaraLinksAndReferences.dk.htm");
    row("Domvara no", ProgramVariant::Domvara, "no",
        "index.no.htm GettingStarted.no.htm ErrorHandling.no.htm DomvaraLinksAndReferences.no.htm");
    row("Domvara en", ProgramVariant::Domvara, "en",
        "-index.en.htm GettingStarted.en.htm ErrorHandling.en.htm DomvaraLinksAndReferences.en.htm");
    row("Stockvane dk", ProgramVariant::Stockvane, "dk",
        "-index.dk.htm GettingStarted.Stockvane.dk.htm ErrorHandling.dk.htm DomvaraLinksAndReferences.dk.htm");
    row("Stockvane en", ProgramVariant::Stockvane, "en",
        "-index.en.htm -GettingStarted.Stockvane.en.htm ErrorHandling.en.htm DomvaraLinksAndReferences.en.htm");
    row("Mintora dk", ProgramVariant::Mintora, "dk",
        "HelpMintora.dk.htm GettingStarted.Mintora.dk.htm ErrorHandling.dk.htm Mintoralinks.dk.htm");
    row("Mintora no", ProgramVariant::Mintora, "no",
        "-HelpMintora.no.htm GettingStarted.Mintora.no.htm ErrorHandling.no.htm Mintoralinks.no.htm");
    row("Pictova dk", ProgramVariant::Pictova, "dk",
        "Help.htm GettingStarted.Pictova.dk.htm ErrorHandling.dk.htm Pictovalinks.dk.htm");
    row("Pictova no", ProgramVariant::Pictova, "no",
        "-Help.htm GettingStarted.Pictova.no.htm ErrorHandling.no.htm Pictovalinks.no.htm");
}

void TestShellHelpers::helpPages()
{
    QFETCH(ProgramVariant, variant);
    QFETCH(QByteArray, language);
    QFETCH(QStringList, pages);
    const HelpCommand commands[] = {HelpCommand::Help, HelpCommand::Tutorial, HelpCommand::ErrorHandling,
                                    HelpCommand::Links};
    for (int i = 0; i < 4; ++i) {
        const bool offered = !pages[i].startsWith(u'-');
        QCOMPARE(helpPageName(commands[i], variant, language), offered ? pages[i] : pages[i].mid(1));
        QCOMPARE(helpCommandAvailable(commands[i], variant, language), offered);
    }
}

void TestShellHelpers::releaseNotes()
{
    const auto check = [this](ProgramVariant variant, const QByteArray& language, const QString& target) {
        const ReleaseNotes notes = ::releaseNotes(variant, language);
        QCOMPARE(notes.helpPage, !target.startsWith(u'/'));
        QCOMPARE(notes.target, notes.helpPage ? target : m_data + target);
    };
    check(ProgramVariant::Domvara, "dk", QStringLiteral("releasenotes.Domvara.dk.htm"));
    check(ProgramVariant::Domvara, "no", QStringLiteral("releasenotes.Domvara.no.htm"));
    check(ProgramVariant::Domvara, "en", QStringLiteral("/help/releasenotes.en.txt"));
    check(ProgramVariant::Stockvane, "dk", QStringLiteral("/help/releasenotes.Stockvane.dk.txt"));
    check(ProgramVariant::Mintora, "no", QStringLiteral("/help/releasenotes.Mintora.no.txt"));
    check(ProgramVariant::Pictova, "en", QStringLiteral("/help/releasenotes.Pictova.en.txt"));
}

void TestShellHelpers::openReleaseNotes()
{
    const QString page = touch(QStringLiteral("help/releasenotes.Domvara.no.htm"), m_data);
    QVERIFY(::openReleaseNotes(ProgramVariant::Domvara, "no"));
    const QString text = touch(QStringLiteral("help/releasenotes.en.txt"), m_data);
    QVERIFY(::openReleaseNotes(ProgramVariant::Domvara, "en"));
    QCOMPARE(m_opened, (QList<QUrl>{QUrl::fromLocalFile(page), QUrl::fromLocalFile(text)}));
    QVERIFY(m_boxes.isEmpty());

    // No program for text files, then no file at all: the same box, and nothing else.
    m_desktopAnswer = false;
    QVERIFY(!::openReleaseNotes(ProgramVariant::Domvara, "en"));
    QVERIFY(!::openReleaseNotes(ProgramVariant::Pictova, "dk"));
    QCOMPARE(m_opened.size(), 3);
    QCOMPARE(m_boxes.size(), 2);
    QCOMPARE(m_boxes[1].icon, QMessageBox::Critical);
    QCOMPARE(m_boxes[1].title, QStringLiteral("Fejl"));
    QCOMPARE(m_boxes[1].text, QStringLiteral("NOTEPAD_NOT_FOUND"));
    QCOMPARE(m_boxes[1].buttons, QStringList{QStringLiteral("Ok")});
}

void TestShellHelpers::dialogHelpPages()
{
    const QStringList household{QStringLiteral("InventoryDialog.no.htm"), QStringLiteral("printSetupDialog.no.htm"),
                                QStringLiteral("CommonSetupDialog.no.htm"), QStringLiteral("SetupDomvaraTyperDialog.htm"),
                                QStringLiteral("SetupLokalerDialog.htm"), QStringLiteral("SetupSupplierDialog.dk.htm")};
    QCOMPARE(dialogHelpPageNames(ProgramVariant::Domvara, "no"), household);
    QCOMPARE(dialogHelpPageNames(ProgramVariant::Stockvane, "no"), household);
    QCOMPARE(dialogHelpPageNames(ProgramVariant::Mintora, "en"),
             (QStringList{QStringLiteral("MintoraDialog.en.htm"), QStringLiteral("printSetupMintora.en.htm"),
                          QStringLiteral("CommonSetupDialog.Mintora.en.htm")}));
    QCOMPARE(dialogHelpPageNames(ProgramVariant::Pictova, "dk"),
             (QStringList{QStringLiteral("PictovaDialog.dk.htm"), QStringLiteral("printSetupDialog.dk.htm"),
                          QStringLiteral("CommonSetupDialog.dk.htm")}));
    QVERIFY(dialogHelpPageName(DialogHelp::SetupLocations, ProgramVariant::Mintora, "dk").isEmpty());
}

void TestShellHelpers::everyPageIsInstalled()
{
    const QDir help(sourceFile(QStringLiteral("data/help")));
    QVERIFY2(help.exists(), qPrintable(help.path()));
    QStringList missing;
    for (const ProgramVariant variant :
         {ProgramVariant::Domvara, ProgramVariant::Stockvane, ProgramVariant::Mintora, ProgramVariant::Pictova}) {
        for (const QByteArray& language : {QByteArray("dk"), QByteArray("no"), QByteArray("en")}) {
            QStringList names = dialogHelpPageNames(variant, language);
            for (const HelpCommand command :
                 {HelpCommand::Help, HelpCommand::Tutorial, HelpCommand::ErrorHandling, HelpCommand::Links})
                names.append(helpPageName(command, variant, language));
            const ReleaseNotes notes = ::releaseNotes(variant, language);
            names.append(notes.helpPage ? notes.target : QFileInfo(notes.target).fileName());
            for (const QString& name : std::as_const(names)) {
                if (!help.exists(name))
                    missing.append(name);
            }
        }
    }
    QVERIFY2(missing.isEmpty(), qPrintable(missing.join(u' ')));
}

QTEST_MAIN(TestShellHelpers)
#include "tst_shellhelpers.moc"
