#include "CsvUnknownNamesDialog.h"

#include "ui_CsvUnknownNamesDialogBase.h"

namespace {

// Some names, and how many more there are: a long list would make the dialog too tall.
QString someNames(const QStringList& names)
{
    constexpr int Shown = 12;
    QString text = names.mid(0, Shown).join(QStringLiteral(", "));
    if (names.size() > Shown)
        text += QStringLiteral(", ...");
    return text;
}

} // namespace

CsvUnknownNamesDialog::CsvUnknownNamesDialog(const QStringList& unknownGroups, const QStringList& groups,
                                             const QString& groupCaption, const QStringList& unknownLocations,
                                             const QStringList& locations, const QString& locationCaption,
                                             QWidget* parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::CsvUnknownNamesDialogBase>())
{
    m_ui->setupUi(this);
    m_ui->groupsGroupBox->setTitle(groupCaption);
    m_ui->groupsGroupBox->setVisible(!unknownGroups.isEmpty());
    m_ui->groupsLabel->setText(tr("CSV_UNKNOWN_NAMES %1 %2").arg(unknownGroups.size()).arg(someNames(unknownGroups)));
    m_ui->groupComboBox->addItems(groups);
    m_ui->oneGroupRadioButton->setEnabled(!groups.isEmpty());
    m_ui->groupComboBox->setEnabled(false);
    connect(m_ui->oneGroupRadioButton, &QRadioButton::toggled, m_ui->groupComboBox, &QWidget::setEnabled);

    m_ui->locationsGroupBox->setTitle(locationCaption);
    m_ui->locationsGroupBox->setVisible(!unknownLocations.isEmpty());
    m_ui->locationsLabel->setText(
        tr("CSV_UNKNOWN_NAMES %1 %2").arg(unknownLocations.size()).arg(someNames(unknownLocations)));
    m_ui->locationComboBox->addItems(locations);
    m_ui->oneLocationRadioButton->setEnabled(!locations.isEmpty());
    m_ui->locationComboBox->setEnabled(false);
    connect(m_ui->oneLocationRadioButton, &QRadioButton::toggled, m_ui->locationComboBox, &QWidget::setEnabled);
}

CsvUnknownNamesDialog::~CsvUnknownNamesDialog() = default;

CsvImport::Resolution CsvUnknownNamesDialog::resolution() const
{
    CsvImport::Resolution resolution;
    resolution.addGroups = !m_ui->oneGroupRadioButton->isChecked();
    resolution.group = std::max(0, m_ui->groupComboBox->currentIndex());
    resolution.addLocations = !m_ui->oneLocationRadioButton->isChecked();
    resolution.location = std::max(0, m_ui->locationComboBox->currentIndex());
    return resolution;
}
