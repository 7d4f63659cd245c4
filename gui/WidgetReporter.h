#pragma once

#include "UiReporter.h"

// Shows what the core reports in message boxes without a parent, and the wait cursor while
// it works.
class WidgetReporter : public UiReporter
{
public:
    void critical(const QString& title, const QString& text) override;
    void warning(const QString& title, const QString& text) override;
    int ask(const QString& title, const QString& text, const QStringList& buttons, int defaultButton,
            int escapeButton) override;
    void beginBusy() override;
    void endBusy() override;
};
