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

int WidgetReporter::ask(const QString& title, const QString& text, const QStringList& buttons, int defaultButton,
                        int escapeButton)
{
    return MessageBoxes::ask(nullptr, {QMessageBox::Question, title, text, buttons, defaultButton, escapeButton});
}

void WidgetReporter::beginBusy()
{
    QGuiApplication::setOverrideCursor(Qt::WaitCursor);
}

void WidgetReporter::endBusy()
{
    QGuiApplication::restoreOverrideCursor();
}
