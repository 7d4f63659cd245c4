#include "LogXML.h"

#include <QDateTime>
#include <QFileInfo>

#include <cstdio>

namespace {

// Every line feed, also inside a value, is written as CR LF, as in every text file of the
// program.
QByteArray textMode(QByteArray text)
{
    return text.contains('\n') ? text.replace("\n", "\r\n") : text;
}

} // namespace

LogXML::LogXML(const QString& path, const QString& appName)
    : m_appName(appName)
    , m_file(path)
{
    start();
}

void LogXML::moveTo(const QString& path)
{
    if (QFileInfo(path).absoluteFilePath() == QFileInfo(m_file.fileName()).absoluteFilePath())
        return;
    CloseLog();
    m_file.close();
    m_file.setFileName(path);
    if (qgetenv("DEBUGQUORVANE").contains('1'))
        start();
}

void LogXML::start()
{
    m_enabled = qgetenv("DEBUGQUORVANE").contains('1');
    // The file is created, and emptied, even when logging is off. When it cannot be created
    // the log quietly stays off: nothing in the program depends on it.
    if (!m_file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        m_enabled = false;
    if (!m_enabled)
        return;

    m_depth = 0;
    m_file.write(R"(<?xml version="1.0" encoding="ISO-8859-1"?>)");
    WriteLine("<LogFile>");
    m_depth = 1;
    WriteElement("AppName", m_appName.toLatin1());
    const qint64 msecs = QDateTime::currentMSecsSinceEpoch();
    char timestamp[64];
    std::snprintf(timestamp, sizeof timestamp, "<Timestamp>%lld.%03lld</Timestamp>", msecs / 1000, msecs % 1000);
    WriteLine(timestamp);
    WriteDateTime();
}

LogXML::~LogXML() = default;

bool LogXML::isEnabled() const
{
    return m_enabled;
}

int LogXML::depth() const
{
    return m_depth;
}

bool LogXML::WriteLine(const QByteArray& text)
{
    if (!m_enabled)
        return false;
    const QByteArray line = textMode('\n' + QByteArray(2 * m_depth, ' ') + text);
    return m_file.write(line) == line.size();
}

bool LogXML::WriteElement(const char* name, const QByteArray& value)
{
    if (!m_enabled)
        return false;
    const QByteArray tag(name);
    return WriteLine('<' + tag + '>' + value + "</" + tag + '>');
}

bool LogXML::WriteDateTime()
{
    if (!m_enabled)
        return false;
    const QDateTime now = QDateTime::currentDateTime();
    WriteElement("Date", now.toString(QStringLiteral("yyyy-MM-dd")).toLatin1());
    return WriteElement("Time", now.toString(QStringLiteral("HH:mm:ss.zzz")).toLatin1());
}

bool LogXML::BeginLogItem(const QByteArray& entry, const char* fileName, const char* function)
{
    if (!m_enabled)
        return false;
    WriteLine("<LogItem>");
    ++m_depth;
    WriteDateTime();
    if (fileName)
        WriteElement("Filename", fileName);
    if (function)
        WriteElement("Function", function);
    if (!entry.isNull())
        WriteElement("Entry", entry);
    return true;
}

bool LogXML::LogEntry(const QByteArray& entry, const char* fileName, const char* function)
{
    if (!m_enabled)
        return false;
    BeginLogItem(QByteArray(), fileName, function);
    WriteElement("Entry", entry);
    return EndLogItem();
}

bool LogXML::EndLogItem()
{
    if (!m_enabled || m_depth <= 1)
        return false;
    --m_depth;
    return WriteLine("</LogItem>");
}

bool LogXML::CloseLog()
{
    if (!m_enabled)
        return false;
    while (m_depth > 1) {
        --m_depth;
        WriteLine("</LogItem>");
    }
    LogEntry("Log File closed", "LogXML");
    --m_depth;
    WriteLine("</LogFile>");
    m_file.close();
    m_enabled = false;
    return true;
}
