// Export to CSV and Import from CSV from the File menu, with the dialogs, boxes and file
// choosers answered by the test: the program's own export comes back without a question, a
// foreign file is mapped, its bad rows and new names are asked about, and nothing changes
// before the user confirms.

#include "CsvCommands.h"
#include "DBItemCollection.h"
#include "DataPaths.h"
#include "FileDialogs.h"
#include "ItemListView.h"
#include "MainWindow.h"
#include "MessageBoxes.h"
#include "TestSettings.h"

#include <QAction>
#include <QComboBox>
#include <QDialog>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QRadioButton>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>

class TestCsvCommands : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void exportAndImportFromTheMenu();
};

void TestCsvCommands::exportAndImportFromTheMenu()
{
    QTemporaryDir work;
    const QString data = work.filePath(QStringLiteral("data"));
    QVERIFY(copyTree(sourceFile(QStringLiteral("data")), data));
    const QString oldCurrent = QDir::currentPath();
    QDir::setCurrent(data);
    setDataDir(data);
    qputenv("XDG_DATA_HOME", QFile::encodeName(work.filePath(QStringLiteral("user-data"))));
    TestSettings settings(ProgramVariant::Stockvane);
    DBItemCollection::setModified(false);

    QList<MessageBoxes::Request> boxes;
    QList<int> answers;
    MessageBoxes::setAnswerer([&](const MessageBoxes::Request& request) {
        boxes.append(request);
        return answers.isEmpty() ? request.escapeButton : answers.takeFirst();
    });
    QStringList chosenFiles;
    FileDialogs::setAnswerer([&](const FileDialogs::Request&) {
        return FileDialogs::Answer{ chosenFiles.isEmpty() ? QString() : chosenFiles.takeFirst(), QString() };
    });
    QStringList dialogs;
    std::function<void(QDialog&)> answerDialog;
    CsvCommands::setDialogRunner([&](QDialog& dialog) {
        dialogs.append(dialog.objectName());
        answerDialog(dialog);
        return int(QDialog::Accepted);
    });

    {
        MainWindow window;
        DBItemCollection& collection = *window.collection();
        const int count = collection.count();
        QVERIFY(count > 5);
        const QString exported = work.filePath(QStringLiteral("stock"));

        // The export states the Danish style and writes every item.
        answerDialog = [](QDialog& dialog) {
            QVERIFY(!dialog.findChild<QLabel*>(QStringLiteral("styleLabel"))->text().isEmpty());
            QCOMPARE(dialog.findChild<QComboBox*>(QStringLiteral("delimiterComboBox"))->currentData().toChar(), u';');
            QCOMPARE(dialog.findChild<QComboBox*>(QStringLiteral("decimalComboBox"))->currentData().toChar(), u',');
        };
        chosenFiles = { exported };
        window.findChild<QAction*>(QStringLiteral("FileExportCsv"))->trigger();
        QCOMPARE(dialogs, QStringList{ QStringLiteral("CsvExportDialogBase") });
        QVERIFY(QFile::exists(exported + QStringLiteral(".csv")));
        QVERIFY(window.statusBar()->currentMessage().startsWith(QStringLiteral("CSV_EXPORTED %1 ").arg(count)));

        // Read back into the same stock database every number is taken: all rows are listed and
        // nothing is added.
        dialogs.clear();
        chosenFiles = { exported + QStringLiteral(".csv") };
        window.findChild<QAction*>(QStringLiteral("FileImportCsv"))->trigger();
        QVERIFY(dialogs.isEmpty());
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].details.size(), count);
        QVERIFY(boxes[0].details[0].startsWith(QStringLiteral("CSV_LINE 2: CSV_SERIAL_NUMBER_EXISTS")));
        QCOMPARE(collection.count(), count);
        QVERIFY(!DBItemCollection::isModified());

        // Into a new database it comes back whole, without a question.
        boxes.clear();
        window.findChild<QAction*>(QStringLiteral("FileNew"))->trigger();
        QCOMPARE(collection.count(), 0);
        chosenFiles = { exported + QStringLiteral(".csv") };
        window.findChild<QAction*>(QStringLiteral("FileImportCsv"))->trigger();
        QVERIFY(dialogs.isEmpty());
        QVERIFY(boxes.isEmpty());
        QCOMPARE(collection.count(), count);
        QVERIFY(DBItemCollection::isModified());
        QVERIFY(window.statusBar()->currentMessage().startsWith(QStringLiteral("CSV_ITEMS_ADDED %1 ").arg(count)));
        QVERIFY(window.listView()->FindListViewItem(collection.at(count - 1)));

        // A sheet of the user's own: mapped by hand, one bad row, a new location.
        const QString sheet = work.filePath(QStringLiteral("sheet.csv"));
        QFile file(sheet);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("Ting;Kr;Nummer;Sted\r\nHammer;12,50;99001;Nyt lager\r\nSav;x;99002;Nyt lager\r\n");
        file.close();
        const int groupCount = collection.locations().size();
        answerDialog = [](QDialog& dialog) {
            if (dialog.objectName() == u"CsvMappingDialogBase") {
                const int fields[] = { 1, 5, 14, 10 }; // name, price, serial number, location
                for (int column = 0; column < 4; ++column) {
                    auto* combo = dialog.findChild<QComboBox*>(QStringLiteral("fieldComboBox%1").arg(column));
                    combo->setCurrentIndex(combo->findData(fields[column]));
                }
            }
        };
        answers = { 0 };
        chosenFiles = { sheet };
        window.findChild<QAction*>(QStringLiteral("FileImportCsv"))->trigger();
        QCOMPARE(dialogs,
                 (QStringList{ QStringLiteral("CsvMappingDialogBase"), QStringLiteral("CsvUnknownNamesDialogBase") }));
        QCOMPARE(boxes.size(), 1);
        QCOMPARE(boxes[0].details.join(u"|"), QStringLiteral("CSV_LINE 3: Kr: CSV_NOT_A_FIGURE x"));
        QCOMPARE(collection.count(), count + 1);
        const Item* hammer = collection.at(count);
        QCOMPARE(hammer->name(), QStringLiteral("Hammer"));
        QCOMPARE(hammer->price(), 12.5);
        QCOMPARE(hammer->serialno(), QStringLiteral("99001"));
        QCOMPARE(collection.locations().size(), groupCount + 1);
        QCOMPARE(collection.locations().at(hammer->location()), QStringLiteral("Nyt lager"));
    }

    CsvCommands::setDialogRunner({});
    MessageBoxes::setAnswerer({});
    FileDialogs::setAnswerer({});
    qunsetenv("XDG_DATA_HOME");
    QDir::setCurrent(oldCurrent);
    setDataDir(QString());
}

QTEST_MAIN(TestCsvCommands)
#include "tst_csvcommands.moc"
