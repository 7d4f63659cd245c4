#include "UiReporter.h"

#include <QDebug>

UiReporter::~UiReporter() = default;

int UiReporter::ask(const QString& title, const QString& text, const QStringList&, int, int escapeButton)
{
    qWarning().noquote() << title << ":" << text;
    return escapeButton;
}

namespace {

class SilentReporter final : public UiReporter
{
public:
    void critical(const QString& title, const QString& text) override
    {
        qWarning().noquote() << title << ":" << text;
    }
    void warning(const QString& title, const QString& text) override
    {
        qWarning().noquote() << title << ":" << text;
    }
    void beginBusy() override {}
    void endBusy() override {}
};

} // namespace

UiReporter* silentReporter()
{
    static SilentReporter reporter;
    return &reporter;
}

BusyScope::BusyScope(UiReporter* reporter)
    : m_reporter(reporter)
{
    m_reporter->beginBusy();
}

BusyScope::~BusyScope()
{
    m_reporter->endBusy();
}
