#pragma once

#include <QDialog>
#include <QMessageBox>
#include <QStringList>

#include <memory>

namespace Ui {
class MessageListDialogBase;
}

// A message with a list below it, one entry a line, in a read-only text field the user can
// select and copy from, and a button that copies the whole list. Many problems of one command
// are shown in one such box instead of one box each.
class MessageListDialog : public QDialog
{
    Q_OBJECT

public:
    MessageListDialog(QMessageBox::Icon icon, const QString& title, const QString& text, const QStringList& lines,
                      QWidget* parent = nullptr);
    ~MessageListDialog() override;

    // Replaces the Close button by buttons with these texts (left to right); chosen() then tells
    // which was pressed, or the escape button when the dialog was closed otherwise.
    void setChoices(const QStringList& buttons, int defaultButton, int escapeButton);
    int chosen() const;

public Q_SLOTS:
    // Puts the whole list on the clipboard.
    void copyAll();

private:
    const std::unique_ptr<Ui::MessageListDialogBase> m_ui;
    int m_chosen = 0;
};
