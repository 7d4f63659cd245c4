#pragma once

#include <QDialog>

#include <memory>

class QLineEdit;

namespace Ui {
class CommonSetupBase;
}

// The default folders of the pictures, receipts and documents of items. The item dialog's
// browse buttons start in them. The owner's name and address that the report for the insurer
// prints. In the stock product also whether the item dialog takes a typed stock count, the
// printer of the barcode labels and whether names go on them. Apply and OK store what is typed;
// Cancel stores nothing.
class CommonSetup : public QDialog
{
    Q_OBJECT

public:
    // Without a name the dialog is named after its translated title; the main window shows it
    // without waiting for it.
    explicit CommonSetup(QWidget* parent = nullptr, const QString& name = QString(), bool modal = false);
    ~CommonSetup() override;

    // The folder each key holds until the user chooses one: the programs folder of the
    // environment ("ProgramFiles") with "Quorvane" added, or the home folder without it.
    static QString defaultDirectory();

public Q_SLOTS:
    void BrowsePicturePath();
    void BrowseReceiptPath();
    void BrowseDocumentPath();
    void Apply();
    void HelpSlot();
    void accept() override;

private:
    void browse(QLineEdit* edit, const QString& caption);

    const std::unique_ptr<Ui::CommonSetupBase> m_ui;
};
