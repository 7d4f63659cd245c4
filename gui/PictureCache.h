#pragma once

#include <QDateTime>
#include <QImage>
#include <QSize>
#include <QString>

#include <future>
#include <list>

// Reads the pictures of items for showing them on screen.
//
// A photo of a current camera or phone holds 12 to 50 megapixels and more: decoded whole it
// takes 50 to 200 MB and a good part of a second, and beyond the reader's allocation limit it
// cannot be read at all. So a picture is read at the size it is shown at (a JPEG decoder then
// skips most of the work), turned the way the camera recorded it (EXIF orientation), and kept:
// while an item is shown its pictures are decoded once, not again for every repaint, resize or
// thumbnail. A file that changed on disk is read anew.
class PictureCache
{
public:
    // How many pictures are kept: the picture and the second picture (receipt, back of a coin)
    // of the item shown and of the one shown before it.
    explicit PictureCache(int capacity = 4);

    // The size of the picture as shown, turned as recorded; invalid when the file is missing or
    // holds no picture this program can read. Reads only the file's header.
    QSize fullSize(const QString& path);
    // The picture, turned as recorded, at least as large as wanted both ways (or whole when it
    // is smaller); a null image when it cannot be read. The caller scales the result down to
    // what it shows. A picture read before at a size large enough is not decoded again.
    QImage picture(const QString& path, const QSize& wanted);
    // Starts reading the picture as picture() would, in the background, so that it is ready
    // when it is asked for: the next item's photo while the user looks at this one. Reading a
    // large photo takes longer than stepping to the next item should.
    void prefetch(const QString& path, const QSize& wanted);
    void clear();

    // How many times any cache has decoded a picture since the program started, for the tests
    // and the benchmark that check a picture is decoded once.
    static int decodeCount();

private:
    struct Entry
    {
        QString path;
        QDateTime modified;
        qint64 bytes = 0;
        // Turned as recorded; invalid when unreadable.
        QSize fullSize;
        QImage image;
        // A read under way in the background, and the size it reads for.
        std::shared_future<QImage> pending;
        QSize pendingSize;
    };
    // Takes over the result of a background read of the entry, waiting for it when needed.
    static void collect(Entry& entry);
    // The size to read the entry's picture at for the wanted size; invalid when what the entry
    // holds (or is reading) is large enough.
    static QSize readSize(const Entry& entry, const QSize& wanted);
    // The entry of the file as it is on disk now, moved to the front; null for a missing file.
    Entry* entryFor(const QString& path);

    int m_capacity;
    // Most recently used first.
    std::list<Entry> m_entries;
};
