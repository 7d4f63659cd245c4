#include "CsvMappingDialog.h"

#include "MessageBoxes.h"

#include "ui_CsvMappingDialogBase.h"

#include <QComboBox>
#include <QHeaderView>
#include <QPushButton>

namespace {
// Rows of the file the preview shows.
constexpr int PreviewRows = 8;
} // namespace

CsvMappingDialog::CsvMappingDialog(const CsvImport::File& file, const CsvImport::Mapping& mapping,
                                   const QStringList& fieldNames, QWidget* parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::CsvMappingDialogBase>())
{
    m_ui->setupUi(this);
    QTableWidget* table = m_ui->previewTableWidget;
    const int columns = int(mapping.fields.size());
    const int rows = int(std::min<qsizetype>(file.records.size(), PreviewRows));
    // The first row of the table holds the choices, the others the start of the file.
    table->setColumnCount(columns);
    table->setRowCount(rows + 1);
    QStringList rowNames{ tr("CSV_FIELD") };
    for (int row = 0; row < rows; ++row) {
        rowNames.append(QString::number(file.records[row].line));
        const QStringList& cells = file.records[row].fields;
        for (int column = 0; column < columns && column < cells.size(); ++column) {
            QString shown = cells[column];
            shown.replace(u'\n', QChar(0x21b5));
            table->setItem(row + 1, column, new QTableWidgetItem(shown));
        }
    }
    table->setVerticalHeaderLabels(rowNames);
    for (int column = 0; column < columns; ++column) {
        auto* combo = new QComboBox(table);
        combo->setObjectName(QStringLiteral("fieldComboBox%1").arg(column));
        combo->addItem(tr("CSV_IGNORE"), -1);
        for (int field = 0; field < fieldNames.size(); ++field)
            combo->addItem(fieldNames[field], field);
        combo->setCurrentIndex(combo->findData(mapping.fields[column]));
        table->setCellWidget(0, column, combo);
        connect(combo, &QComboBox::activated, this, [this, column] { fieldChosen(column); });
        m_combos.append(combo);
    }
    table->resizeColumnsToContents();

    m_ui->headerCheckBox->setChecked(mapping.hasHeader);
    m_ui->decimalComboBox->addItem(tr("CSV_DECIMAL_COMMA"), QChar(u','));
    m_ui->decimalComboBox->addItem(tr("CSV_DECIMAL_POINT"), QChar(u'.'));
    m_ui->decimalComboBox->setCurrentIndex(m_ui->decimalComboBox->findData(mapping.decimalMark));
    connect(m_ui->buttonBox, &QDialogButtonBox::accepted, this, &CsvMappingDialog::okSlot);
}

CsvMappingDialog::~CsvMappingDialog() = default;

CsvImport::Mapping CsvMappingDialog::mapping() const
{
    CsvImport::Mapping mapping;
    for (const QComboBox* combo : m_combos)
        mapping.fields.append(combo->currentData().toInt());
    mapping.hasHeader = m_ui->headerCheckBox->isChecked();
    mapping.decimalMark = m_ui->decimalComboBox->currentData().toChar();
    return mapping;
}

QComboBox* CsvMappingDialog::fieldComboBox(int column) const
{
    return m_combos.value(column);
}

void CsvMappingDialog::fieldChosen(int column)
{
    // The field leaves the column that had it.
    const int field = m_combos[column]->currentData().toInt();
    if (field < 0)
        return;
    for (int other = 0; other < m_combos.size(); ++other) {
        if (other != column && m_combos[other]->currentData().toInt() == field)
            m_combos[other]->setCurrentIndex(0);
    }
}

void CsvMappingDialog::okSlot()
{
    const QList<int> fields = mapping().fields;
    if (std::all_of(fields.begin(), fields.end(), [](int field) { return field < 0; })) {
        MessageBoxes::warning(this, windowTitle(), tr("CSV_NO_FIELD_CHOSEN"));
        return;
    }
    accept();
}
