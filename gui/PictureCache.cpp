#include "PictureCache.h"

#include <QFileInfo>
#include <QImageReader>

#include <algorithm>

namespace {

int g_decodeCount = 0;

bool turnsSideways(QImageIOHandler::Transformations transformation)
{
    return transformation.testFlag(QImageIOHandler::TransformationRotate90);
}

} // namespace

PictureCache::PictureCache(int capacity)
    : m_capacity(std::max(1, capacity))
{
}

int PictureCache::decodeCount()
{
    return g_decodeCount;
}

void PictureCache::clear()
{
    m_entries.clear();
}

PictureCache::Entry* PictureCache::entryFor(const QString& path)
{
    const QFileInfo file(path);
    auto found = std::find_if(m_entries.begin(), m_entries.end(), [&path](const Entry& entry) {
        return entry.path == path;
    });
    if (!file.isFile()) {
        if (found != m_entries.end())
            m_entries.erase(found);
        return nullptr;
    }
    const QDateTime modified = file.lastModified();
    if (found != m_entries.end() && (found->modified != modified || found->bytes != file.size())) {
        m_entries.erase(found);
        found = m_entries.end();
    }
    if (found != m_entries.end()) {
        m_entries.splice(m_entries.begin(), m_entries, found);
        return &m_entries.front();
    }
    Entry entry;
    entry.path = path;
    entry.modified = modified;
    entry.bytes = file.size();
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize stored = reader.size();
    if (stored.isValid())
        entry.fullSize = turnsSideways(reader.transformation()) ? stored.transposed() : stored;
    m_entries.push_front(std::move(entry));
    while (int(m_entries.size()) > m_capacity)
        m_entries.pop_back();
    return &m_entries.front();
}

QSize PictureCache::fullSize(const QString& path)
{
    const Entry* entry = entryFor(path);
    return entry ? entry->fullSize : QSize();
}

QImage PictureCache::picture(const QString& path, const QSize& wanted)
{
    Entry* entry = entryFor(path);
    if (!entry || !entry->fullSize.isValid())
        return {};
    const QSize full = entry->fullSize;
    const QSize held = entry->image.size();
    const bool enough = !entry->image.isNull()
        && (held == full || (held.width() >= wanted.width() && held.height() >= wanted.height()));
    if (enough)
        return entry->image;

    // Read again for a larger label (the window is being enlarged): with room to spare, so that
    // dragging the window's edge does not decode the picture at every step.
    QSize target = wanted.boundedTo(full);
    if (!entry->image.isNull())
        target = (wanted * 2).boundedTo(full);
    // The smallest size that covers the target with the picture's own proportions.
    target = full.scaled(target.expandedTo(QSize(1, 1)), Qt::KeepAspectRatioByExpanding).boundedTo(full);

    QImageReader reader(path);
    reader.setAutoTransform(true);
    // The size is given as the file stores the picture, before it is turned.
    if (target != full)
        reader.setScaledSize(turnsSideways(reader.transformation()) ? target.transposed() : target);
    ++g_decodeCount;
    QImage image = reader.read();
    if (image.isNull()) {
        entry->fullSize = QSize();
        entry->image = QImage();
        return {};
    }
    entry->image = image;
    return image;
}
