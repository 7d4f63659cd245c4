#include "LocationUpdate.h"

#include "DBItemCollection.h"
#include "FileDialogs.h"
#include "ItemListView.h"
#include "LocationUpdateFile.h"
#include "MessageBoxes.h"
#include "ProgramVariant.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

constexpr int StatusTime = 10000;
// The most problems one box lists; the rest are counted.
constexpr int ProblemsShown = 25;

// Every box of the update has the same caption, in every product.
void warn(const QString& text)
{
    MessageBoxes::warning(nullptr, QStringLiteral("Stockvane"), text);
}

// The problems of all records in one box: a scanner file of many unknown items must not
// bring one box per line.
void warnOnce(const QStringList& problems)
{
    if (problems.isEmpty())
        return;
    QString text = problems.mid(0, ProblemsShown).join(u'\n');
    if (problems.size() > ProblemsShown)
        text += u'\n'
            + QCoreApplication::translate("UpdateLocations", "LOCATION_UPDATE_MORE_PROBLEMS %1")
                  .arg(problems.size() - ProblemsShown);
    warn(text);
}

} // namespace

QString locationUpdateStartPath()
{
    const QString fileName = QStringLiteral("Location.update.txt");
    const QString folder = isStockvane() ? GetLastDBDir() : QString();
    return folder.isEmpty() ? u'/' + fileName : QDir(folder).filePath(fileName);
}

LocationUpdateOutcome runLocationUpdate(QWidget* parent, DBItemCollection& collection, ItemListView& list,
                                        const std::function<bool()>& saveDatabase,
                                        const std::function<void(const QString& text, int milliseconds)>& showMessage)
{
    LocationUpdateOutcome outcome;
    if (collection.isReadOnly()) {
        warn(QCoreApplication::translate("UpdateLocations", "LOCATION_UPDATE_READ_ONLY"));
        return outcome;
    }

    // A cancelled chooser gives no file, which the reading below reports as missing.
    const FileDialogs::Answer answer = FileDialogs::ask(
        parent,
        { FileDialogs::Mode::Open, QCoreApplication::translate("UpdateLocations", "Open_Location_File"),
          locationUpdateStartPath(), QCoreApplication::translate("UpdateLocations", "location file (*.txt *.loc)") });
    const QString path = answer.fileName;

    LocationUpdateFile file;
    if (ParseLocationFile(path, file, warn)) {
        {
            QStringList problems;
            LocationUpdater updater(
                collection, [&problems](const QString& text) { problems.append(text); },
                [&list](Item* item) { list.addItemRow(item, true); });
            updater.applyAll(file.records);
            warnOnce(problems);
            DBItemCollection::setModified(true);
            list.rebuildList();
            outcome.applied = true;
            outcome.succeeded = updater.succeeded();
            outcome.failed = updater.failed();
            outcome.unknownLines = file.unknownLines;
            // The items the update emptied go with the updater, now that no row shows them.
        }
        DeleteLocationFile(path, warn);
    }

    outcome.saved = saveDatabase && saveDatabase();
    if (outcome.applied && showMessage) {
        showMessage(QCoreApplication::translate("UpdateLocations", "LOCATION_UPDATE_SUMMARY")
                        .arg(QFileInfo(path).fileName(), QString::number(outcome.succeeded),
                             QString::number(outcome.failed), QString::number(outcome.unknownLines)),
                    StatusTime);
    }
    return outcome;
}
