#include "LookupList.h"

#include "SafeFileWrite.h"

#include <QFile>

#include <algorithm>

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
    // Room for the lines that are taken, made once.
    m_entries.reserve(std::min<qsizetype>(data.count('\n') + 1, qsizetype(m_maxEntries) + 1));
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
    // The lines are put together as text and converted once.
    qsizetype length = 0;
    for (const QString& entry : m_entries)
        length += entry.size() + 2;
    QString text;
    text.reserve(length);
    for (const QString& entry : m_entries) {
        const qsizetype start = text.size();
        text += entry;
        // A line break inside an entry would split it in two and move every later entry,
        // and with it the group or location of the items that refer to them.
        for (const QChar lineBreak : {QChar(u'\r'), QChar(u'\n')}) {
            for (qsizetype at = text.indexOf(lineBreak, start); at >= 0; at = text.indexOf(lineBreak, at + 1))
                text[at] = u' ';
        }
        text += u"\r\n";
    }
    const QByteArray data = text.toLatin1();
    return device.write(data) == data.size();
}
