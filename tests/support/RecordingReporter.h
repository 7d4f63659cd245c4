#pragma once

#include "UiReporter.h"

#include <QStringList>

// Records what the core would have shown the user.
class RecordingReporter : public UiReporter
{
public:
    struct Message
    {
        QString kind; // "critical", "warning" or "question"
        QString title;
        QString text;
    };

    void critical(const QString& title, const QString& text) override;
    void warning(const QString& title, const QString& text) override;
    // Answers from answers, first to last; the escape button once they are used up.
    int ask(const QString& title, const QString& text, const QStringList& buttons, int defaultButton,
            int escapeButton) override;
    void beginBusy() override;
    void endBusy() override;

    QList<Message> messages;
    QList<int> answers;
    int busyDepth = 0;
    int busyCount = 0;
};
