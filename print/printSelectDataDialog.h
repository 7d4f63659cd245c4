#pragma once

#include "PrintSettings.h"

#include <QDialog>

#include <memory>
#include <vector>

class DBItemCollection;
class QLabel;
class QLineEdit;

namespace Ui {
class printSelectDataDialogBase;
}

// The print set-up: which fields a printed list shows and how wide, the separator, the sorting
// and whether one group or one location is printed alone. Only OK stores anything.
class printSelectDataDialog : public QDialog
{
    Q_OBJECT

public:
    // The collection gives the groups and locations to choose from; it may be null.
    explicit printSelectDataDialog(DBItemCollection* collection, QWidget* parent = nullptr,
                                   const QString& name = QString(), bool modal = false);
    ~printSelectDataDialog() override;

    // Fills both field lists in their fixed order and the length edits from the settings.
    void InitDialog();
    // Whether the list of fields to print holds an entry with exactly this caption.
    bool IsFieldInAvailableList(const QString& wantedField) const;
    void SetSortingMethod();
    void SaveSortingMethod();

    // The caption a field is listed under: its list column's current caption, translated.
    static QString fieldCaption(int column);

public Q_SLOTS:
    void help_slot();
    void add_slot();
    void remove_slot();
    void accept() override;

private:
    struct Field
    {
        QString caption;
        bool PrintSettings::*flag;
        int PrintSettings::*length;
        QLineEdit* lengthEdit;
        int maxLength;
    };

    void setUpFields();
    void fillFilters(DBItemCollection* collection);

    const std::unique_ptr<Ui::printSelectDataDialogBase> m_ui;
    PrintSettings m_settings;
    std::vector<Field> m_fields;
    // Tells why a keystroke in a length edit was not taken.
    QLabel* m_lengthNotice = nullptr;
};
