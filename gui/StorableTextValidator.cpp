#include "StorableTextValidator.h"

#include "TextRules.h"

#include <QLabel>
#include <QLineEdit>

StorableTextValidator::StorableTextValidator(QLineEdit* field, bool allowLineBreaks)
    : QValidator(field)
    , m_field(field)
    , m_allowLineBreaks(allowLineBreaks)
{
}

QValidator::State StorableTextValidator::validate(QString& input, int& position) const
{
    // A field the user has not changed holds what the program put there.
    const bool typed = m_field && m_field->isModified();
    if (typed) {
        // The part that differs from the text let through last is what was typed or pasted.
        const qsizetype shorter = std::min(input.size(), m_accepted.size());
        qsizetype prefix = 0;
        while (prefix < shorter && input.at(prefix) == m_accepted.at(prefix))
            ++prefix;
        qsizetype suffix = 0;
        while (suffix < shorter - prefix
               && input.at(input.size() - 1 - suffix) == m_accepted.at(m_accepted.size() - 1 - suffix))
            ++suffix;
        const QString added = input.mid(prefix, input.size() - prefix - suffix);
        QStringList notices;
        const QString storable = TextRules::toStorable(added, m_allowLineBreaks, &notices);
        if (storable != added) {
            input.replace(prefix, added.size(), storable);
            if (position >= prefix)
                position = int(std::clamp<qsizetype>(position + storable.size() - added.size(), prefix, input.size()));
        }
        QString refusal;
        if (input.contains(u';'))
            refusal = tr("SEPARATOR_REFUSED");
        else if (input.size() > MaxLength)
            refusal = tr("TEXT_TOO_LONG %1").arg(MaxLength);
        if (!refusal.isEmpty()) {
            notices.append(refusal);
            Q_EMIT noticed(notices.join(u' '));
            return Invalid;
        }
        if (!notices.isEmpty())
            Q_EMIT noticed(notices.join(u' '));
    }
    m_accepted = input;
    if (!typed && (input.contains(u';') || input.size() > MaxLength))
        return Intermediate;
    return Acceptable;
}

void StorableTextValidator::install(const QList<QLineEdit*>& fields, QLabel* noticeLabel)
{
    if (noticeLabel) {
        // A long notice is cut at the label's edge rather than widening the window.
        noticeLabel->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
        noticeLabel->setWordWrap(false);
    }
    clearNotice(noticeLabel);
    for (QLineEdit* field : fields) {
        auto* validator = new StorableTextValidator(field);
        field->setValidator(validator);
        if (noticeLabel) {
            connect(validator, &StorableTextValidator::noticed, noticeLabel, [noticeLabel](const QString& notice) {
                noticeLabel->setText(notice);
                noticeLabel->setToolTip(notice);
                noticeLabel->show();
            });
        }
    }
}

void StorableTextValidator::clearNotice(QLabel* noticeLabel)
{
    if (!noticeLabel)
        return;
    noticeLabel->clear();
    noticeLabel->setToolTip(QString());
    noticeLabel->hide();
}
