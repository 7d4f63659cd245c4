#pragma once

#include <QString>
#include <QStringList>

// What the core has to show the user goes through this interface: the application shows it
// with widgets, tests record it.
class UiReporter
{
public:
    virtual ~UiReporter();

    virtual void critical(const QString& title, const QString& text) = 0;
    virtual void warning(const QString& title, const QString& text) = 0;
    // Asks a question with buttons (their texts, left to right) and returns the index of the
    // button chosen. A reporter that cannot ask returns the escape button: the answer that
    // changes nothing.
    virtual int ask(const QString& title, const QString& text, const QStringList& buttons, int defaultButton,
                    int escapeButton);
    // Long work starts and ends (the application shows the wait cursor meanwhile); calls nest.
    virtual void beginBusy() = 0;
    virtual void endBusy() = 0;
};

// A reporter that only writes to the debug output; for tools without a user interface.
UiReporter* silentReporter();

// Keeps the busy state for the life of the scope, however the scope is left.
class BusyScope
{
public:
    explicit BusyScope(UiReporter* reporter);
    ~BusyScope();
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

private:
    UiReporter* m_reporter;
};
