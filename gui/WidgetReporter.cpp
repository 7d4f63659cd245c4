#include "WidgetReporter.h"

#include "MessageBoxes.h"

#include <QGuiApplication>

void WidgetReporter::critical(const QString& title, const QString& text)
{
    MessageBoxes::critical(nullptr, title, text);
}

void WidgetReporter::warning(const QString& title, const QString& text)
{
    MessageBoxes::warning(nullptr, title, text);
}

void WidgetReporter::beginBusy()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

void WidgetReporter::endBusy()
{
    QGuiApplication::restoreOverrideCursor();
}
