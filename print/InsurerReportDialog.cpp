#include "InsurerReportDialog.h"

#include "ui_InsurerReportDialogBase.h"

#include "DBItemCollection.h"
#include "FileDialogs.h"
#include "InsurerReport.h"
#include "PrintDialogs.h"
#include "PrintLayout.h"
#include "WaitCursor.h"
#include "funiQListViewItem.h"

#include <QDir>
#include <QFileInfo>
#include <QPrinter>
#include <QProgressDialog>
#include <QTreeWidget>

#include <unordered_set>

InsurerReportDialog::InsurerReportDialog(const DBItemCollection& collection, const std::vector<const Item*>& selected,
                                         const QString& databaseFile, QWidget* parent, StatusMessage message)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::InsurerReportDialogBase>())
    , m_collection(collection)
    , m_selected(selected)
    , m_databaseFile(databaseFile)
    , m_message(std::move(message))
{
    m_ui->setupUi(this);
    setModal(true);
    m_ui->allRadioButton->setText(tr("INSURER_REPORT_ALL_ITEMS %1").arg(collection.count()));
    m_ui->selectedRadioButton->setText(tr("INSURER_REPORT_SELECTED_ITEMS %1").arg(m_selected.size()));
    m_ui->selectedRadioButton->setEnabled(!m_selected.empty());
    if (!m_selected.empty())
        m_ui->selectedRadioButton->setChecked(m_selected.size() > 1);

    const LookupList& groups = collection.groups();
    for (int group = 0; group < groups.size(); ++group) {
        if (!groups.at(group).isEmpty())
            m_ui->groupComboBox->addItem(groups.at(group), group);
    }
    m_ui->groupRadioButton->setEnabled(m_ui->groupComboBox->count() > 0);
    m_ui->groupComboBox->setEnabled(false);
    connect(m_ui->groupRadioButton, &QRadioButton::toggled, m_ui->groupComboBox, &QComboBox::setEnabled);
    // Choosing a group means reporting it.
    connect(m_ui->groupComboBox, &QComboBox::activated, m_ui->groupRadioButton,
            [this] { m_ui->groupRadioButton->setChecked(true); });

    const InsurerReport::Owner owner = InsurerReport::storedOwner();
    m_ui->ownerLabel->setText(owner.name.trimmed().isEmpty() ? tr("INSURER_REPORT_NO_OWNER")
                                                             : tr("INSURER_REPORT_OWNER %1").arg(owner.name.trimmed()));

    connect(m_ui->previewPushButton, &QPushButton::clicked, this, &InsurerReportDialog::preview_slot);
    connect(m_ui->pdfPushButton, &QPushButton::clicked, this, &InsurerReportDialog::savePdf_slot);
    connect(m_ui->buttonCancel, &QPushButton::clicked, this, &InsurerReportDialog::reject);
}

InsurerReportDialog::~InsurerReportDialog() = default;

std::vector<const Item*> InsurerReportDialog::selectedItems(const QTreeWidget& list)
{
    std::unordered_set<const Item*> chosen;
    // Only rows the user sees: the quick filter's hidden rows are never taken along.
    for (const QTreeWidgetItem* row : list.selectedItems()) {
        if (row->isHidden() || (row->parent() && row->parent()->isHidden()))
            continue;
        if (const Item* item = funiQListViewItem::itemOf(row)) {
            chosen.insert(item);
            continue;
        }
        for (int child = 0; child < row->childCount(); ++child) {
            const QTreeWidgetItem* childRow = row->child(child);
            if (childRow->isHidden())
                continue;
            if (const Item* item = funiQListViewItem::itemOf(childRow))
                chosen.insert(item);
        }
    }
    return { chosen.begin(), chosen.end() };
}

std::vector<const Item*> InsurerReportDialog::chosenItems() const
{
    std::vector<const Item*> items;
    const bool oneGroup = m_ui->groupRadioButton->isChecked() && m_ui->groupComboBox->currentIndex() >= 0;
    const int group = m_ui->groupComboBox->currentData().toInt();
    const bool selectedOnly = m_ui->selectedRadioButton->isChecked();
    const std::unordered_set<const Item*> selected(m_selected.begin(), m_selected.end());
    for (const auto& item : m_collection.items()) {
        if (oneGroup && item->type() != group)
            continue;
        if (selectedOnly && !selected.contains(item.get()))
            continue;
        items.push_back(item.get());
    }
    return items;
}

std::unique_ptr<InsurerReport> InsurerReportDialog::makeReport()
{
    QString scope;
    if (m_ui->groupRadioButton->isChecked())
        scope = tr("INSURER_REPORT_SCOPE_GROUP %1").arg(m_ui->groupComboBox->currentText());
    else if (m_ui->selectedRadioButton->isChecked())
        scope = tr("INSURER_REPORT_SCOPE_SELECTED");
    const QString name = m_databaseFile.isEmpty() ? QString() : QFileInfo(m_databaseFile).fileName();
    auto report = std::make_unique<InsurerReport>(m_collection, chosenItems(), name, InsurerReport::listCaptions(),
                                                  InsurerReport::storedOwner(), scope);
    // Reading hundreds of photos takes seconds: a progress bar shows how far it is, and the
    // user can stop it (nothing is shown then).
    const WaitCursor wait;
    QProgressDialog progress(this);
    progress.setWindowModality(Qt::WindowModal);
    progress.setLabelText(tr("INSURER_REPORT_READING_PICTURES"));
    progress.setMinimumDuration(500);
    const bool read = report->loadPictures([&progress](int done, int total) {
        progress.setMaximum(total);
        progress.setValue(done);
        QCoreApplication::processEvents();
        return !progress.wasCanceled();
    });
    if (!read)
        return nullptr;
    return report;
}

void InsurerReportDialog::preview_slot()
{
    const std::unique_ptr<InsurerReport> report = makeReport();
    if (!report)
        return;
    const PrintDialogs::PreviewActions actions(
        { { tr("INSURER_REPORT_SAVE_PDF"), QStringLiteral("savePdfAction"),
            [this, &report](QWidget* window) { savePdf(window ? window : this, *report); } } });
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(tr("INSURER_REPORT_TITLE"));
    const PrintJob::Outcome outcome = PrintJob::run(PrintJob::Mode::Preview, this, printer,
                                                    [&report](QPrinter& pages) { return report->render(pages); });
    if (outcome == PrintJob::Outcome::Printed && m_message)
        m_message(tr("INSURER_REPORT_PRINTED"), 10000);
    accept();
}

void InsurerReportDialog::savePdf_slot()
{
    const std::unique_ptr<InsurerReport> report = makeReport();
    if (report && savePdf(this, *report))
        accept();
}

bool InsurerReportDialog::savePdf(QWidget* parent, const InsurerReport& report)
{
    FileDialogs::Request request;
    request.mode = FileDialogs::Mode::Save;
    request.caption = tr("INSURER_REPORT_SAVE_PDF_CAPTION");
    const QString folder = m_collection.databaseDir().isEmpty() ? QDir::homePath() : m_collection.databaseDir();
    const QString base
        = m_databaseFile.isEmpty() ? tr("INSURER_REPORT_TITLE") : QFileInfo(m_databaseFile).completeBaseName();
    request.directory = QDir(folder).filePath(tr("INSURER_REPORT_FILE_NAME %1").arg(base));
    request.filter = tr("INSURER_REPORT_PDF_FILTER");
    const FileDialogs::Answer answer = FileDialogs::ask(parent, request);
    if (answer.fileName.isEmpty())
        return false;
    QString path = answer.fileName;
    if (QFileInfo(path).suffix().compare(QLatin1StringView("pdf"), Qt::CaseInsensitive) != 0)
        path += QStringLiteral(".pdf");

    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setDocName(tr("INSURER_REPORT_TITLE"));
    bool written = false;
    {
        const WaitCursor wait;
        written = report.render(printer);
    }
    if (!written) {
        PrintJob::reportFailure(parent, printer);
        return false;
    }
    if (m_message)
        m_message(tr("INSURER_REPORT_SAVED %1").arg(QDir::toNativeSeparators(path)), 10000);
    return true;
}
