#include "PictureCache.h"

#include <QFileInfo>
#include <QImageReader>
#include <QThreadPool>

#include <algorithm>
#include <memory>

namespace {

// Counted where a read is started, always on the thread the cache is used on.
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
    auto found
        = std::find_if(m_entries.begin(), m_entries.end(), [&path](const Entry& entry) { return entry.path == path; });
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

void PictureCache::collect(Entry& entry)
{
    if (!entry.pending.valid())
        return;
    const QImage image = entry.pending.get();
    entry.pending = {};
    if (image.isNull()) {
        entry.fullSize = QSize();
        entry.image = QImage();
    } else if (image.width() >= entry.image.width()) {
        entry.image = image;
    }
}

QSize PictureCache::readSize(const Entry& entry, const QSize& wanted)
{
    const QSize full = entry.fullSize;
    auto covers = [&full, &wanted](const QSize& held) {
        return held.isValid() && (held == full || (held.width() >= wanted.width() && held.height() >= wanted.height()));
    };
    if (covers(entry.image.size()) || (entry.pending.valid() && covers(entry.pendingSize)))
        return {};
    // Read again for a larger label (the window is being enlarged): with room to spare, so that
    // dragging the window's edge does not decode the picture at every step.
    const QSize held = entry.image.size();
    const bool growing = held.isValid() && held.width() * 2 > wanted.width() && held.height() * 2 > wanted.height();
    const QSize target = (growing ? wanted * 2 : wanted).boundedTo(full);
    // The smallest size that covers the target with the picture's own proportions.
    return full.scaled(target.expandedTo(QSize(1, 1)), Qt::KeepAspectRatioByExpanding).boundedTo(full);
}

namespace {

QImage decode(const QString& path, const QSize& size, const QSize& full)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    // The size is given as the file stores the picture, before it is turned.
    if (size != full)
        reader.setScaledSize(turnsSideways(reader.transformation()) ? size.transposed() : size);
    return reader.read();
}

} // namespace

QImage PictureCache::picture(const QString& path, const QSize& wanted)
{
    Entry* entry = entryFor(path);
    if (!entry || !entry->fullSize.isValid())
        return {};
    // A read under way is waited for: it is further on than a new one would be.
    collect(*entry);
    if (!entry->fullSize.isValid())
        return {};
    const QSize size = readSize(*entry, wanted);
    if (!size.isValid())
        return entry->image;
    ++g_decodeCount;
    const QImage image = decode(path, size, entry->fullSize);
    if (image.isNull()) {
        entry->fullSize = QSize();
        entry->image = QImage();
        return {};
    }
    entry->image = image;
    return image;
}

void PictureCache::prefetch(const QString& path, const QSize& wanted)
{
    Entry* entry = entryFor(path);
    if (!entry || !entry->fullSize.isValid())
        return;
    const QSize size = readSize(*entry, wanted);
    if (!size.isValid())
        return;
    auto promise = std::make_shared<std::promise<QImage>>();
    entry->pending = promise->get_future().share();
    entry->pendingSize = size;
    const QSize full = entry->fullSize;
    ++g_decodeCount;
    QThreadPool::globalInstance()->start([promise, path, size, full] { promise->set_value(decode(path, size, full)); });
}
