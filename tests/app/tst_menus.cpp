// The menus of every product in every language, with the program's own translations.

#include "DataPaths.h"
#include "ItemListView.h"
#include "MainWindow.h"
#include "MessageBoxes.h"
#include "Settings.h"
#include "TestSettings.h"

#include <QAction>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTranslator>

class TestMenus : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void mnemonicsUnique();
};

void TestMenus::mnemonicsUnique()
{
    // A copy of the program's data (demo databases, lists), so that nothing lands in the tree.
    QTemporaryDir work;
    const QString data = work.filePath(QStringLiteral("data"));
    QVERIFY(copyTree(sourceFile(QStringLiteral("data")), data));
    const QString oldCurrent = QDir::currentPath();
    QDir::setCurrent(data);
    setDataDir(data);
    qputenv("XDG_DATA_HOME", QFile::encodeName(work.filePath(QStringLiteral("user-data"))));
    QList<MessageBoxes::Request> boxes;
    MessageBoxes::setAnswerer([&boxes](const MessageBoxes::Request& request) {
        boxes.append(request);
        return std::max(request.escapeButton, 0);
    });

    // Every product in every language: no two entries of the menu bar, of a menu or of the
    // list's context menu share a mnemonic letter.
    QStringList clashes;
    for (const ProgramVariant product : {ProgramVariant::Domvara, ProgramVariant::Stockvane, ProgramVariant::Mintora,
                                         ProgramVariant::Pictova}) {
        for (const char* language : {"dk", "no", "en"}) {
            TestSettings settings(product);
            settings.setValue(Setting::Language, QString::fromLatin1(language));
            QTranslator translator;
            QVERIFY(translator.load(QStringLiteral("hestiva_") + QLatin1StringView(language),
                                    QStringLiteral(HESTIVA_STAGE_DIR)));
            QCoreApplication::installTranslator(&translator);
            MainWindow window;
            QList<std::pair<QString, QList<QAction*>>> menus{{QStringLiteral("menu bar"), window.menuBar()->actions()},
                                                             {QStringLiteral("context"),
                                                              window.listView()->contextMenu()->actions()}};
            for (QAction* entry : window.menuBar()->actions())
                menus.append({entry->text(), entry->menu()->actions()});
            for (const auto& [name, actions] : menus) {
                QMap<QString, QString> taken;
                for (const QAction* action : actions) {
                    const QString key = QKeySequence::mnemonic(action->text()).toString();
                    if (key.isEmpty())
                        continue;
                    if (taken.contains(key))
                        clashes.append(GetVariantName() + u' ' + QLatin1StringView(language) + u' ' + name
                                       + QStringLiteral(": ") + taken.value(key) + QStringLiteral(" / ")
                                       + action->text());
                    taken.insert(key, action->text());
                }
            }
            QCoreApplication::removeTranslator(&translator);
        }
    }
    QVERIFY2(clashes.isEmpty(), qPrintable(clashes.join(u'\n')));
    MessageBoxes::setAnswerer({});
    qunsetenv("XDG_DATA_HOME");
    setDataDir(QString());
    QDir::setCurrent(oldCurrent);
    QVERIFY2(boxes.isEmpty(), boxes.isEmpty() ? "" : qPrintable(boxes.first().title + u' ' + boxes.first().text));
}

QTEST_MAIN(TestMenus)
#include "tst_menus.moc"
