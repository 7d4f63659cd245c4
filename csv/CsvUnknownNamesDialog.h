#pragma once

#include "CsvImport.h"

#include <QDialog>
#include <QStringList>

#include <memory>

namespace Ui {
class CsvUnknownNamesDialogBase;
}

// Shows the group and location names of an import that the lists do not hold, and asks for
// each kind whether to add them to the list or to put those items into one chosen entry.
class CsvUnknownNamesDialog : public QDialog
{
    Q_OBJECT

public:
    // groupCaption, locationCaption: what the user calls the two fields.
    CsvUnknownNamesDialog(const QStringList& unknownGroups, const QStringList& groups, const QString& groupCaption,
                          const QStringList& unknownLocations, const QStringList& locations,
                          const QString& locationCaption, QWidget* parent = nullptr);
    ~CsvUnknownNamesDialog() override;

    CsvImport::Resolution resolution() const;

private:
    const std::unique_ptr<Ui::CsvUnknownNamesDialogBase> m_ui;
};
