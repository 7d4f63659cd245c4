#include "RecordingReporter.h"

void RecordingReporter::critical(const QString& title, const QString& text)
{
    messages.append({QStringLiteral("critical"), title, text});
}

void RecordingReporter::warning(const QString& title, const QString& text)
{
    messages.append({QStringLiteral("warning"), title, text});
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
