#include "RecordingReporter.h"

void RecordingReporter::critical(const QString& title, const QString& text)
{
    messages.append({QStringLiteral("critical"), title, text});
}

void RecordingReporter::warning(const QString& title, const QString& text)
{
    messages.append({QStringLiteral("warning"), title, text});
}

int RecordingReporter::ask(const QString& title, const QString& text, const QStringList&, int, int escapeButton)
{
    messages.append({QStringLiteral("question"), title, text});
    return answers.isEmpty() ? escapeButton : answers.takeFirst();
}

void RecordingReporter::beginBusy()
{
    ++busyDepth;
    ++busyCount;
}

void RecordingReporter::endBusy()
{
    --busyDepth;
}
