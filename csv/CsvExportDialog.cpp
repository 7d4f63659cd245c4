#include "CsvExportDialog.h"

#include "ProgramVariant.h"

#include "ui_CsvExportDialogBase.h"

CsvExportDialog::CsvExportDialog(const QStringList& groups, int selectedRows, QWidget* parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::CsvExportDialogBase>())
{
    m_ui->setupUi(this);
    m_ui->groupComboBox->addItems(groups);
    m_ui->groupRadioButton->setEnabled(!groups.isEmpty());
    m_ui->groupComboBox->setEnabled(false);
    connect(m_ui->groupRadioButton, &QRadioButton::toggled, m_ui->groupComboBox, &QWidget::setEnabled);
    m_ui->selectedRadioButton->setText(tr("CSV_EXPORT_SELECTED %1").arg(selectedRows));
    m_ui->selectedRadioButton->setEnabled(selectedRows > 0);
    if (selectedRows > 1)
        m_ui->selectedRadioButton->setChecked(true);

    m_ui->delimiterComboBox->addItem(tr("CSV_SEMICOLON"), QChar(u';'));
    m_ui->delimiterComboBox->addItem(tr("CSV_COMMA"), QChar(u','));
    m_ui->delimiterComboBox->addItem(tr("CSV_TAB"), QChar(u'\t'));
    m_ui->decimalComboBox->addItem(tr("CSV_DECIMAL_COMMA"), QChar(u','));
    m_ui->decimalComboBox->addItem(tr("CSV_DECIMAL_POINT"), QChar(u'.'));
    const CsvStyle style = CsvStyle::forLanguage(GetLanguage());
    m_ui->delimiterComboBox->setCurrentIndex(m_ui->delimiterComboBox->findData(style.delimiter));
    m_ui->decimalComboBox->setCurrentIndex(m_ui->decimalComboBox->findData(style.decimalMark));
    m_ui->styleLabel->setText(GetLanguage() == "en" ? tr("CSV_STYLE_ENGLISH") : tr("CSV_STYLE_DANISH_NORWEGIAN"));
}

CsvExportDialog::~CsvExportDialog() = default;

CsvExportDialog::Scope CsvExportDialog::scope() const
{
    if (m_ui->groupRadioButton->isChecked())
        return Scope::Group;
    if (m_ui->selectedRadioButton->isChecked())
        return Scope::Selected;
    return Scope::All;
}

int CsvExportDialog::group() const
{
    return m_ui->groupComboBox->currentIndex();
}

CsvStyle CsvExportDialog::style() const
{
    return { m_ui->delimiterComboBox->currentData().toChar(), m_ui->decimalComboBox->currentData().toChar() };
}
