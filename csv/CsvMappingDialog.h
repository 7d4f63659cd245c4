#pragma once

#include "CsvImport.h"

#include <QDialog>
#include <QList>
#include <QStringList>

#include <memory>

class QComboBox;

namespace Ui {
class CsvMappingDialogBase;
}

// Lets the user say which field each column of a spreadsheet file fills, or that it is
// ignored, over a preview of the first rows; also whether the first row is a header and which
// decimal mark the figures use. A field is filled by one column at most.
class CsvMappingDialog : public QDialog
{
    Q_OBJECT

public:
    // fieldNames: the captions of the fields, in the order of CsvFields.
    CsvMappingDialog(const CsvImport::File& file, const CsvImport::Mapping& mapping, const QStringList& fieldNames,
                     QWidget* parent = nullptr);
    ~CsvMappingDialog() override;

    CsvImport::Mapping mapping() const;
    // The combo box of a column (object name "fieldComboBox" followed by the column number).
    QComboBox* fieldComboBox(int column) const;

private Q_SLOTS:
    void okSlot();

private:
    void fieldChosen(int column);

    const std::unique_ptr<Ui::CsvMappingDialogBase> m_ui;
    QList<QComboBox*> m_combos;
};
