#pragma once

#include "UiReporter.h"

#include <QStringList>

// Records what the core would have shown the user.
class RecordingReporter : public UiReporter
{
public:
    struct Message
    {
        QString kind; // "critical" or "warning"
        QString title;
        QString text;
    };

    void critical(const QString& title, const QString& text) override;
    void warning(const QString& title, const QString& text) override;
    void beginBusy() override;
    void endBusy() override;

    QList<Message> messages;
    int busyDepth = 0;
    int busyCount = 0;
};
