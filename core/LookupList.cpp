#include "LookupList.h"

#include "SafeFileWrite.h"

#include <QFile>

LookupList::LookupList(int maxEntries)
    : m_maxEntries(maxEntries)
{
}

int LookupList::maxEntries() const
{
    return m_maxEntries;
}

void LookupList::clear()
{
    m_entries.clear();
}

int LookupList::size() const
{
    return int(m_entries.size());
}

bool LookupList::isEmpty() const
{
    return m_entries.isEmpty();
}

void LookupList::append(const QString& text)
{
    m_entries.append(text);
}

const QString& LookupList::at(int index) const
{
    return m_entries.at(index);
}

int LookupList::indexOf(const QString& text) const
{
    return int(m_entries.indexOf(text));
}

bool LookupList::contains(const QString& text) const
{
    return m_entries.contains(text);
}

const QStringList& LookupList::entries() const
{
    return m_entries;
}

void LookupList::setEntries(const QStringList& entries)
{
    m_entries = entries;
}

QString LookupList::fieldLabel(int index)
{
    if (index < 0 || index >= m_entries.size())
        return QString();
    m_entries[index].remove(u'&');
    return m_entries.at(index);
}

bool LookupList::LoadFromFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return load(file);
}

bool LookupList::load(QIODevice& device)
{
    const QByteArray data = device.readAll();
    m_entries.clear();
    qsizetype pos = 0;
    while (pos < data.size() && m_entries.size() <= m_maxEntries) {
        qsizetype end = data.indexOf('\n', pos);
        const qsizetype next = end < 0 ? data.size() : end + 1;
        if (end < 0)
            end = data.size();
        if (end > pos && data.at(end - 1) == '\r')
            --end;
        m_entries.append(QString::fromLatin1(data.constData() + pos, end - pos));
        pos = next;
    }
    return true;
}

bool LookupList::SaveToFile(const QString& path, FileWriteOutcome* outcome) const
{
    FileWriteOutcome result = writeFileSafely(path, [this](QIODevice& device) { return save(device); });
    const bool written = result.written;
    if (outcome)
        *outcome = std::move(result);
    return written;
}

bool LookupList::save(QIODevice& device) const
{
    QByteArray data;
    for (const QString& entry : m_entries) {
        // A line break inside an entry would split it in two and move every later entry,
        // and with it the group or location of the items that refer to them.
        QByteArray line = entry.toLatin1();
        line.replace('\r', ' ').replace('\n', ' ');
        data += line;
        data += "\r\n";
    }
    return device.write(data) == data.size();
}
