#include "CsvCommands.h"

#include "CsvExport.h"
#include "CsvExportDialog.h"
#include "CsvFields.h"
#include "CsvImport.h"
#include "CsvMappingDialog.h"
#include "CsvUnknownNamesDialog.h"
#include "DBItemCollection.h"
#include "FileDialogs.h"
#include "ItemListView.h"
#include "MessageBoxes.h"
#include "ProgramVariant.h"
#include "SafeFileWrite.h"
#include "UndoHistory.h"
#include "WaitCursor.h"
#include "funiQListViewItem.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSet>

#include <vector>

namespace {

constexpr int MessageTime = 10000;
// Problems listed in the box; a file of thousands of bad rows would make it slow to show.
constexpr int ListedProblems = 1000;

CsvCommands::DialogRunner g_runner;

int run(QDialog& dialog)
{
    return g_runner ? g_runner(dialog) : dialog.exec();
}

QString seconds(const QElapsedTimer& timer)
{
    return QString::number(double(timer.elapsed()) / 1000.0, 'f', 2);
}

// The items of the list in the order it shows them: all, one group's, or those of the selected
// rows (a selected group row stands for all its items).
std::vector<const Item*> itemsInListOrder(const ItemListView& list, CsvExportDialog::Scope scope, int group)
{
    std::vector<const Item*> items;
    QSet<const Item*> taken;
    for (int top = 0; top < list.topLevelItemCount(); ++top) {
        const QTreeWidgetItem* groupRow = list.topLevelItem(top);
        for (int child = 0; child < groupRow->childCount(); ++child) {
            const QTreeWidgetItem* row = groupRow->child(child);
            const Item* item = funiQListViewItem::itemOf(row);
            if (!item)
                continue;
            bool wanted = true;
            if (scope == CsvExportDialog::Scope::Group)
                wanted = item->type() == group;
            else if (scope == CsvExportDialog::Scope::Selected)
                wanted = row->isSelected() || groupRow->isSelected();
            if (wanted && !taken.contains(item)) {
                taken.insert(item);
                items.push_back(item);
            }
        }
    }
    return items;
}

int selectedItemCount(const ItemListView& list)
{
    return int(itemsInListOrder(list, CsvExportDialog::Scope::Selected, 0).size());
}

QStringList headerOf(const DBItemCollection& collection)
{
    return CsvFields::header(collection.fieldLabels().entries(), GetLanguage());
}

} // namespace

void CsvCommands::setDialogRunner(DialogRunner runner)
{
    g_runner = std::move(runner);
}

bool CsvCommands::exportCsv(QWidget* parent, DBItemCollection& collection, ItemListView& list,
                            const QString& currentFileName, const MessageFunction& message)
{
    CsvExportDialog dialog(collection.groups().entries(), selectedItemCount(list), parent);
    if (run(dialog) != QDialog::Accepted)
        return false;

    QString suggested = QFileInfo(currentFileName).completeBaseName();
    if (suggested.isEmpty())
        suggested = GetVariantName();
    const QString folder = collection.databaseDir().isEmpty() ? QDir::homePath() : collection.databaseDir();
    const FileDialogs::Answer answer = FileDialogs::ask(parent,
                                                        { FileDialogs::Mode::Save, tr("CSV_EXPORT_TITLE"),
                                                          QDir(folder).filePath(suggested + QStringLiteral(".csv")),
                                                          tr("CSV_FILES") + QStringLiteral(" (*.csv)") });
    if (answer.fileName.isEmpty())
        return false;
    QString path = answer.fileName;
    if (QFileInfo(path).suffix().isEmpty())
        path += QStringLiteral(".csv");

    QElapsedTimer timer;
    timer.start();
    WaitCursor wait;
    const std::vector<const Item*> items = itemsInListOrder(list, dialog.scope(), dialog.group());
    const QByteArray bytes
        = CsvExport::write(items, collection.groups(), collection.locations(), headerOf(collection), dialog.style());
    const FileWriteOutcome outcome
        = writeFileSafely(path, [&bytes](QIODevice& device) { return device.write(bytes) == bytes.size(); });
    if (!outcome) {
        QString text = tr("CSV_NOT_WRITTEN %1 %2").arg(QDir::toNativeSeparators(path), outcome.error);
        if (!outcome.note().isEmpty())
            text += u'\n' + outcome.note();
        MessageBoxes::critical(parent, tr("CSV_EXPORT_TITLE"), text);
        return false;
    }
    if (message)
        message(tr("CSV_EXPORTED %1 %2 %3").arg(items.size()).arg(QDir::toNativeSeparators(path), seconds(timer)),
                MessageTime);
    return true;
}

int CsvCommands::importCsv(QWidget* parent, DBItemCollection& collection, ItemListView& list,
                           const MessageFunction& message)
{
    const QString title = tr("CSV_IMPORT_TITLE");
    if (collection.isReadOnly()) {
        MessageBoxes::warning(parent, title, tr("CSV_DATABASE_READ_ONLY"));
        return 0;
    }
    const QString folder = collection.databaseDir().isEmpty() ? QDir::homePath() : collection.databaseDir();
    const FileDialogs::Answer answer = FileDialogs::ask(
        parent,
        { FileDialogs::Mode::Open, title, folder,
          tr("CSV_FILES") + QStringLiteral(" (*.csv *.txt);;") + tr("ALL_FILES") + QStringLiteral(" (*)") });
    if (answer.fileName.isEmpty())
        return 0;

    CsvImport::File file;
    {
        WaitCursor wait;
        QFile input(answer.fileName);
        if (!input.open(QIODevice::ReadOnly)) {
            MessageBoxes::critical(
                parent, title,
                tr("CSV_NOT_READ %1 %2").arg(QDir::toNativeSeparators(answer.fileName), input.errorString()));
            return 0;
        }
        file = CsvImport::read(input.readAll());
    }
    if (file.records.isEmpty()) {
        MessageBoxes::warning(parent, title, tr("CSV_NOTHING_TO_IMPORT"));
        return 0;
    }

    // The program's own export is taken as it is; any other file the user maps.
    QList<QStringList> labels = CsvFields::labelListsFor(collection.databaseDir(), GetProgramVariant());
    labels.prepend(collection.fieldLabels().entries());
    std::optional<CsvImport::Mapping> mapping = CsvImport::recognise(file, labels);
    if (!mapping) {
        CsvMappingDialog dialog(file, CsvImport::guess(file, labels), headerOf(collection), parent);
        if (run(dialog) != QDialog::Accepted)
            return 0;
        mapping = dialog.mapping();
    }

    QElapsedTimer timer;
    timer.start();
    CsvImport::Plan plan;
    {
        WaitCursor wait;
        plan = CsvImport::prepare(file, *mapping, collection);
    }
    if (!plan.problems.isEmpty()) {
        QStringList lines;
        for (const CsvImport::Problem& problem : plan.problems.mid(0, ListedProblems))
            lines.append(tr("CSV_LINE %1: %2").arg(problem.line).arg(problem.reason));
        if (plan.problems.size() > ListedProblems)
            lines.append(tr("CSV_MORE_PROBLEMS %1").arg(plan.problems.size() - ListedProblems));
        MessageBoxes::Request request;
        request.icon = QMessageBox::Warning;
        request.title = title;
        request.text = tr("CSV_ROWS_NOT_READ %1 %2").arg(plan.problems.size()).arg(plan.items.size());
        request.details = lines;
        if (plan.items.empty()) {
            request.buttons = QStringList{ tr("CSV_IMPORT_NOTHING") };
            MessageBoxes::ask(parent, request);
            return 0;
        }
        request.buttons = QStringList{ tr("CSV_IMPORT_GOOD_ROWS %1").arg(plan.items.size()), tr("CSV_IMPORT_NOTHING") };
        request.defaultButton = 1;
        request.escapeButton = 1;
        if (MessageBoxes::ask(parent, request) != 0)
            return 0;
    } else if (plan.items.empty()) {
        MessageBoxes::warning(parent, title, tr("CSV_NOTHING_TO_IMPORT"));
        return 0;
    }

    CsvImport::Resolution resolution;
    if (!plan.unknownGroups.isEmpty() || !plan.unknownLocations.isEmpty()) {
        const QStringList captions = headerOf(collection);
        CsvUnknownNamesDialog dialog(plan.unknownGroups, collection.groups().entries(), captions[CsvFields::Group],
                                     plan.unknownLocations, collection.locations().entries(),
                                     captions[CsvFields::Location], parent);
        if (run(dialog) != QDialog::Accepted)
            return 0;
        resolution = dialog.resolution();
    }

    int added = 0;
    {
        WaitCursor wait;
        QString error;
        // The whole import is one step to undo.
        UndoHistory* history = list.undoHistory();
        auto before = history->snapshot(collection);
        added = CsvImport::apply(plan, collection, resolution, &error);
        if (added < 0) {
            MessageBoxes::critical(parent, title, error);
            return 0;
        }
        history->commitChange(collection, std::move(before), {}, UndoHistory::tr("STEP_CSV_IMPORT %1").arg(added));
        list.rebuildList();
    }
    if (message)
        message(tr("CSV_ITEMS_ADDED %1 %2").arg(added).arg(seconds(timer)), MessageTime);
    return added;
}
