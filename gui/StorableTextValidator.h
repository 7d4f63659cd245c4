#pragma once

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QValidator>

class QLabel;
class QLineEdit;

// The validator of a text field whose text goes into the database file. What the user types
// or pastes is made storable (TextRules): characters the Latin-1 file cannot hold are replaced
// or removed and control characters removed, and the change is told through noticed(). A ";"
// (the file's field separator) and a text longer than a field of the file holds are refused,
// and told as well.
//
// Only what the user adds is changed: a text put into the field by the program (an item read
// from the file, say) passes as it is, and so does whatever part of it the user leaves alone.
// Each validator serves one field.
class StorableTextValidator : public QValidator
{
    Q_OBJECT

public:
    // The longest text a field of the database file carries back whole.
    static constexpr int MaxLength = 199;

    explicit StorableTextValidator(QLineEdit* field, bool allowLineBreaks = false);

    State validate(QString& input, int& position) const override;

    // Installs a validator on each field and shows what they tell in the label, on one line;
    // the label is hidden while there is nothing to tell.
    static void install(const QList<QLineEdit*>& fields, QLabel* noticeLabel);
    // Hides the notice of install().
    static void clearNotice(QLabel* noticeLabel);

Q_SIGNALS:
    void noticed(const QString& notice) const;

private:
    QPointer<QLineEdit> m_field;
    bool m_allowLineBreaks;
    // The text last let through; what differs from it is what the user added.
    mutable QString m_accepted;
};
