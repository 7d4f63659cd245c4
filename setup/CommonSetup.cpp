#include "CommonSetup.h"

#include "ui_CommonSetupBase.h"

#include "FileDialogs.h"
#include "HelpPages.h"
#include "InsurerReport.h"
#include "ProgramVariant.h"
#include "Settings.h"
#include "ShellHelpers.h"
#include "handlebarcodes.h"

#include <QDir>
#include <QPrinterInfo>

namespace {

// The keys the item dialog's browse buttons read their start folders from.
constexpr char PicturePathKey[] = "PicturePath";
constexpr char ReceiptPathKey[] = "ReceiptPath";
constexpr char DocumentPathKey[] = "DocumentPath";
// Read by the item dialog: whether the stock count can be typed.
constexpr char CountEditableKey[] = "EnableNumberOfItemsLineEdit";

} // namespace

CommonSetup::CommonSetup(QWidget* parent, const QString& name, bool modal)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::CommonSetupBase>())
{
    m_ui->setupUi(this);
    setObjectName(name.isEmpty() ? tr("CommonSetupDialogTitle") : name);
    setModal(modal);

    const auto settings = openSettings();
    const QString fallback = defaultDirectory();
    m_ui->PicturePathLineEdit->setText(settings->value(QLatin1StringView(PicturePathKey), fallback).toString());
    m_ui->ReceiptPathLineEdit->setText(settings->value(QLatin1StringView(ReceiptPathKey), fallback).toString());
    m_ui->DocumentPathLineEdit->setText(settings->value(QLatin1StringView(DocumentPathKey), fallback).toString());

    // Who owns the items, for the report for the insurer.
    const InsurerReport::Owner owner = InsurerReport::storedOwner();
    m_ui->ownerNameLineEdit->setText(owner.name);
    m_ui->ownerAddressTextEdit->setPlainText(owner.address);
    m_ui->keepPreviousVersionCheckBox->setChecked(
        settings->value(QLatin1StringView(Setting::KeepPreviousVersion), Setting::KeepPreviousVersionDefault)
            .toBool());

    // Coins have a front and a back picture, pictures a first and a second one, where the other
    // products have a picture and a receipt.
    if (isMintora()) {
        m_ui->PicturePathLabel->setText(tr("MINTORA_FRONT_PICTURE_PATH"));
        m_ui->ReceipthPathLabel->setText(tr("MINTORA_BACK_PICTURE_PATH"));
    } else if (isPictova()) {
        m_ui->PicturePathLabel->setText(tr("BILLED_PATH"));
        m_ui->ReceipthPathLabel->setText(tr("KVITTERINGS_PATH"));
    }

    // Stock counts come from the location updates; a user who counts by hand may switch the
    // count field of the item dialog on.
    m_ui->countEditableCheckBox->setVisible(isStockvane());
    m_ui->countEditableCheckBox->setChecked(
        settings->value(QLatin1StringView(CountEditableKey), false).toBool());

    // Labels are printed by the stock product only. An empty printer means the one named in the
    // printer device file, which the field shows greyed.
    m_ui->labelsGroupBox->setVisible(isStockvane());
    if (isStockvane()) {
        m_ui->labelPrinterComboBox->addItem(QString());
        m_ui->labelPrinterComboBox->addItems(QPrinterInfo::availablePrinterNames());
        m_ui->labelPrinterComboBox->setEditText(
            settings->value(QLatin1StringView(BarcodeSetting::PrinterQueue)).toString());
        m_ui->labelPrinterComboBox->lineEdit()->setPlaceholderText(defaultLabelPrinter());
        m_ui->nameOnLabelsCheckBox->setChecked(settings
                                                   ->value(QLatin1StringView(BarcodeSetting::EnableNameOnLabels),
                                                           BarcodeSetting::EnableNameOnLabelsDefault)
                                                   .toBool());
        m_ui->locationNameOnLabelsCheckBox->setChecked(
            settings
                ->value(QLatin1StringView(BarcodeSetting::EnableLocationNameOnLabels),
                        BarcodeSetting::EnableLocationNameOnLabelsDefault)
                .toBool());
    }

    // The dialog's help page exists in Danish and Norwegian only.
    m_ui->buttonHelp->setEnabled(GetLanguage() != "en");

    connect(m_ui->DefinePicturePathButton, &QPushButton::clicked, this, &CommonSetup::BrowsePicturePath);
    connect(m_ui->DefineReceiptPathButton, &QPushButton::clicked, this, &CommonSetup::BrowseReceiptPath);
    connect(m_ui->DefineDocumentPathButton, &QPushButton::clicked, this, &CommonSetup::BrowseDocumentPath);
    connect(m_ui->buttonApply, &QPushButton::clicked, this, &CommonSetup::Apply);
    connect(m_ui->buttonHelp, &QPushButton::clicked, this, &CommonSetup::HelpSlot);
    connect(m_ui->buttonOk, &QPushButton::clicked, this, &CommonSetup::accept);
    connect(m_ui->buttonCancel, &QPushButton::clicked, this, &CommonSetup::reject);
}

CommonSetup::~CommonSetup() = default;

QString CommonSetup::defaultDirectory()
{
    // The same start folder the item dialog's browse buttons fall back to.
    const QString programFiles = qEnvironmentVariable("ProgramFiles");
    if (!programFiles.isEmpty())
        return programFiles + QStringLiteral("/Quorvane");
    return QDir::homePath();
}

void CommonSetup::BrowsePicturePath()
{
    browse(m_ui->PicturePathLineEdit, tr("ChoseAPictureDirectory"));
}

void CommonSetup::BrowseReceiptPath()
{
    browse(m_ui->ReceiptPathLineEdit, tr("ChoseAReceiptDirectory"));
}

void CommonSetup::BrowseDocumentPath()
{
    browse(m_ui->DocumentPathLineEdit, tr("ChoseADocumentDirectory"));
}

void CommonSetup::browse(QLineEdit* edit, const QString& caption)
{
    FileDialogs::Request request;
    request.mode = FileDialogs::Mode::Directory;
    request.caption = caption;
    request.directory = edit->text();
    const FileDialogs::Answer answer = FileDialogs::ask(this, request);
    if (!answer.fileName.isEmpty())
        edit->setText(answer.fileName);
}

void CommonSetup::Apply()
{
    // An emptied field keeps the folder stored before: a start folder is never unset.
    const auto settings = openSettings();
    const std::pair<const char*, const QLineEdit*> fields[] = {
        { PicturePathKey, m_ui->PicturePathLineEdit },
        { ReceiptPathKey, m_ui->ReceiptPathLineEdit },
        { DocumentPathKey, m_ui->DocumentPathLineEdit },
    };
    for (const auto& [key, edit] : fields) {
        const QString folder = edit->text();
        if (!folder.isEmpty())
            settings->setValue(QLatin1StringView(key), folder);
    }
    // The owner is stored as typed: emptied fields leave the report without them.
    settings->setValue(QLatin1StringView(InsurerSetting::OwnerName), m_ui->ownerNameLineEdit->text().trimmed());
    settings->setValue(QLatin1StringView(InsurerSetting::OwnerAddress),
                       m_ui->ownerAddressTextEdit->toPlainText().trimmed());
    settings->setValue(QLatin1StringView(Setting::KeepPreviousVersion),
                       m_ui->keepPreviousVersionCheckBox->isChecked());
    if (isStockvane()) {
        settings->setValue(QLatin1StringView(CountEditableKey), m_ui->countEditableCheckBox->isChecked());
        // An emptied printer field goes back to the printer device file.
        settings->setValue(QLatin1StringView(BarcodeSetting::PrinterQueue),
                           m_ui->labelPrinterComboBox->currentText().trimmed());
        settings->setValue(QLatin1StringView(BarcodeSetting::EnableNameOnLabels),
                           m_ui->nameOnLabelsCheckBox->isChecked());
        settings->setValue(QLatin1StringView(BarcodeSetting::EnableLocationNameOnLabels),
                           m_ui->locationNameOnLabelsCheckBox->isChecked());
    }
}

void CommonSetup::HelpSlot()
{
    ShellOpenFile(dialogHelpPageName(DialogHelp::CommonSetup, GetProgramVariant(), GetLanguage()), QString(), false);
}

void CommonSetup::accept()
{
    Apply();
    QDialog::accept();
}
