#pragma once

#include "CsvExport.h"

#include <QDialog>
#include <QStringList>

#include <memory>

namespace Ui {
class CsvExportDialogBase;
}

// Asks what an export to a spreadsheet file takes: all items, the items of one group or the
// selected rows, and the delimiter and decimal mark. It starts from the style spreadsheet
// programs of the user interface language read and says so.
class CsvExportDialog : public QDialog
{
    Q_OBJECT

public:
    enum class Scope { All, Group, Selected };

    // groups: the names of the groups list; selectedRows: how many rows are selected (the
    // choice is offered only with some).
    CsvExportDialog(const QStringList& groups, int selectedRows, QWidget* parent = nullptr);
    ~CsvExportDialog() override;

    Scope scope() const;
    int group() const;
    CsvStyle style() const;

private:
    const std::unique_ptr<Ui::CsvExportDialogBase> m_ui;
};
