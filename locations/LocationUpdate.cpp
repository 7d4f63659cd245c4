#include "LocationUpdate.h"

#include "DBItemCollection.h"
#include "FileDialogs.h"
#include "ItemListView.h"
#include "LocationUpdateFile.h"
#include "MessageBoxes.h"
#include "ProgramVariant.h"
#include "UndoHistory.h"

#include "WaitCursor.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include <algorithm>

namespace {

constexpr int StatusTime = 10000;

// Every box of the update has the same caption, in every product.
void warn(const QString& text)
{
    MessageBoxes::warning(nullptr, QStringLiteral("Stockvane"), text);
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
        warn(LocationUpdater::tr("LOCATION_UPDATE_READ_ONLY"));
        return outcome;
    }

    const FileDialogs::Answer answer
        = FileDialogs::ask(parent,
                           { FileDialogs::Mode::Open, LocationUpdater::tr("Open_Location_File"),
                             locationUpdateStartPath(), LocationUpdater::tr("location file (*.txt *.loc)") });
    const QString path = answer.fileName;
    // A cancelled chooser does nothing at all: no message, no save.
    if (path.isEmpty())
        return outcome;

    LocationUpdateFile file;
    std::vector<LocationUpdateFailure> failures;
    if (ParseLocationFile(path, file, warn)) {
        WaitCursor wait;
        // The whole update is one step to undo.
        UndoHistory* history = list.undoHistory();
        auto before = history->snapshot(collection);
        LocationUpdater updater(collection, [&list](Item* item) { list.addItemRow(item, true); });
        updater.applyAll(file.records);
        DBItemCollection::setModified(true);
        history->commitChange(collection, std::move(before), updater.takeRemovedItems(),
                              UndoHistory::tr("STEP_LOCATION_UPDATE"));
        list.rebuildList();
        outcome.applied = true;
        outcome.succeeded = updater.succeeded();
        outcome.failed = updater.failed();
        outcome.unknownLines = int(file.unknownLines.size());
        failures = updater.failures();
        for (const LocationUpdateLine& line : file.unknownLines)
            failures.push_back({ line, unknownLocationLineReason() });
        std::stable_sort(failures.begin(), failures.end(),
                         [](const auto& a, const auto& b) { return a.source.number < b.source.number; });
        // The items the update emptied go with the updater, now that no row shows them.
    }

    outcome.saved = saveDatabase && saveDatabase();
    // The file goes only once what it carried is in the saved database. A file of which
    // nothing was applied stays for another run, once the database or the file is mended.
    if (outcome.succeeded > 0 && outcome.saved)
        outcome.fileRemoved = DeleteLocationFile(path, warn);

    // Every line that was not applied, in one list the user can copy the lines from.
    if (!failures.empty()) {
        QStringList lines;
        lines.reserve(qsizetype(failures.size()));
        for (const LocationUpdateFailure& failure : failures)
            lines << locationUpdateFailureText(failure);
        const int written = int(file.records.size() + file.unknownLines.size());
        QString text = LocationUpdater::tr("LOCATION_UPDATE_FAILED_LINES %1 %2 %3")
                           .arg(QString::number(lines.size()), QString::number(written), path);
        text += u'\n'
            + (outcome.fileRemoved ? LocationUpdater::tr("LOCATION_UPDATE_COPY_KEPT %1").arg(file.backupPath)
                                   : LocationUpdater::tr("LOCATION_UPDATE_FILE_KEPT %1").arg(path));
        MessageBoxes::Request request;
        request.icon = QMessageBox::Warning;
        request.title = QStringLiteral("Stockvane");
        request.text = text;
        request.details = lines;
        request.defaultButton = 0;
        request.escapeButton = 0;
        MessageBoxes::ask(nullptr, request);
    }
    // Changes made but not saved: the file stays, and the user must know it must not be run
    // again once the database is saved by hand.
    if (outcome.succeeded > 0 && !outcome.saved)
        warn(LocationUpdater::tr("LOCATION_UPDATE_NOT_SAVED %1").arg(path));

    if (showMessage) {
        QStringList status;
        if (outcome.applied) {
            status << LocationUpdater::tr("LOCATION_UPDATE_SUMMARY")
                          .arg(QFileInfo(path).fileName(), QString::number(outcome.succeeded),
                               QString::number(outcome.failed), QString::number(outcome.unknownLines));
        } else {
            status << LocationUpdater::tr("LOCATION_UPDATE_NOTHING_APPLIED");
        }
        status << (outcome.saved ? LocationUpdater::tr("LOCATION_UPDATE_DATABASE_SAVED")
                                 : LocationUpdater::tr("LOCATION_UPDATE_DATABASE_NOT_SAVED"));
        if (outcome.applied)
            status << (outcome.fileRemoved ? LocationUpdater::tr("LOCATION_UPDATE_FILE_REMOVED")
                                           : LocationUpdater::tr("LOCATION_UPDATE_FILE_STAYS"));
        showMessage(status.join(u' '), StatusTime);
    }
    return outcome;
}
