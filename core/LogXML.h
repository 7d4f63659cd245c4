#pragma once

#include <QByteArray>
#include <QFile>
#include <QString>

// The diagnostic log "log.xml": an indented XML file of time-stamped entries about what was
// done with which files. It is written only when the environment variable DEBUGQUORVANE holds
// a "1"; otherwise the file is left empty and every call does nothing.
//
// Texts are written as 8-bit Latin-1, unescaped. Every call returns whether it wrote; nothing
// in the program depends on that.
class LogXML
{
public:
    LogXML(const QString& path, const QString& appName);
    ~LogXML();
    LogXML(const LogXML&) = delete;
    LogXML& operator=(const LogXML&) = delete;

    // Goes on in another file (beside a database opened later): this one is closed as at the
    // end and the new one begins afresh. A log that is off creates no file there; the same path
    // changes nothing.
    void moveTo(const QString& path);

    bool isEnabled() const;
    int depth() const;

    // One complete LogItem: Date, Time, then Filename and Function when given, and Entry.
    bool LogEntry(const QByteArray& entry, const char* fileName = nullptr, const char* function = nullptr);
    // The start of a LogItem that stays open, so that what follows nests inside it; Entry is
    // written only when the entry is not null.
    bool BeginLogItem(const QByteArray& entry = QByteArray(), const char* fileName = nullptr,
                      const char* function = nullptr);
    // Closes the innermost open LogItem; never closes LogFile.
    bool EndLogItem();
    // Closes every open LogItem, writes the closing entry and the end of LogFile.
    bool CloseLog();

    bool WriteLine(const QByteArray& text);
    bool WriteElement(const char* name, const QByteArray& value);
    bool WriteDateTime();

private:
    void start();

    QString m_appName;
    bool m_enabled = false;
    QFile m_file;
    int m_depth = 0;
};
