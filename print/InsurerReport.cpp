#include "InsurerReport.h"

#include "DBItemCollection.h"
#include "DataPaths.h"
#include "Item.h"
#include "ItemListView.h"
#include "ListOrder.h"
#include "PrintLayout.h"
#include "ProgramVariant.h"
#include "Settings.h"

#include <QBuffer>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QImage>
#include <QImageReader>
#include <QImageWriter>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QThread>
#include <QThreadPool>

#include <algorithm>
#include <atomic>
#include <map>

namespace {

// The picture data kept between reading and painting: JPEG, small enough that a report of a
// thousand items does not hold gigabytes of pixels.
constexpr int KeptQuality = 90;

// The date text that stands for a date never set.
const QString UnsetDate = QStringLiteral("01.01.1900");

enum Column {
    GroupColumn = 0,
    NameColumn = 1,
    ProductColumn = 2,
    ProductModelColumn = 3,
    CountColumn = 4,
    PriceColumn = 5,
    PriceTodayColumn = 6,
    ReceiptColumn = 8,
    DateColumn = 9,
    LocationColumn = 10,
    SerialnoColumn = 14,
    Extra1Column = 17,
};

// A picture file read at most maxSide pixels on its longest side, turned as the camera says,
// as JPEG data; empty when the file is no picture that can be read.
//
// A JPEG photo is decoded straight at a half, a quarter or an eighth of its size, and the
// smaller the quicker: the reader is asked for the smallest of these that still has at least
// 80 % of maxSide on the longest side (a twelve-megapixel photo: an eighth, 500 pixels), so that
// hundreds of photos take seconds, not minutes.
QByteArray readScaled(const QString& path, int maxSide)
{
    QImageReader reader(path);
    reader.setAutoTransform(true);
    const QSize size = reader.size();
    const int longest = std::max(size.width(), size.height());
    if (size.isValid() && longest > maxSide) {
        const int least = maxSide * 4 / 5;
        int divisor = 8;
        while (divisor > 1 && longest / divisor < least)
            divisor /= 2;
        const QSize decoded(std::max(1, size.width() / divisor), std::max(1, size.height() / divisor));
        reader.setScaledSize(longest / divisor > maxSide ? decoded.scaled(maxSide, maxSide, Qt::KeepAspectRatio)
                                                         : decoded);
    }
    QImage image = reader.read();
    if (image.isNull())
        return {};
    if (image.width() > maxSide || image.height() > maxSide)
        image = image.scaled(maxSide, maxSide, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    // Transparent parts print as white paper; an image without alpha channel also keeps the PDF
    // from carrying a mask beside each picture.
    QImage opaque(image.size(), QImage::Format_RGB32);
    opaque.fill(Qt::white);
    {
        QPainter painter(&opaque);
        painter.drawImage(0, 0, image);
    }
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(KeptQuality);
    if (!writer.write(opaque))
        return {};
    return data;
}

QFont reportFont(qreal pointSize, bool bold = false)
{
    QFont font(QStringLiteral("DejaVu Sans"));
    font.setStyleHint(QFont::SansSerif);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    // No ligatures: "fi" stays two letters, so the PDF file's text can be searched and copied.
    font.setStyleStrategy(QFont::PreferNoShaping);
    return font;
}

// Draws a picture as large as it fits into the box, keeping its proportions, centred.
void drawFitted(QPainter& painter, const QImage& image, const QRectF& box)
{
    QSizeF size = image.size();
    size.scale(box.size(), Qt::KeepAspectRatio);
    const QRectF target(box.left() + (box.width() - size.width()) / 2, box.top() + (box.height() - size.height()) / 2,
                        size.width(), size.height());
    painter.drawImage(target, image);
}

} // namespace

struct InsurerReport::Layout
{
    QRectF page; // the printable area
    QRectF body; // the page less the running head and foot
    qreal mm = 1.0;
    QFont text, bold, heading, title, small;
    qreal textSpacing = 0.0;
    qreal headingSpacing = 0.0;
    qreal titleSpacing = 0.0;
    qreal smallSpacing = 0.0;
    QSizeF photo, receipt;
    qreal gap = 0.0;
};

struct InsurerReport::Block
{
    enum class Kind { Cover, GroupHeading, Item, Total };
    Kind kind = Kind::Item;
    qreal height = 0.0;
    bool keepWithNext = false;
    const Entry* entry = nullptr;
    QString heading;
    // Label and value, each broken into the lines it takes.
    std::vector<std::pair<QStringList, QStringList>> lines;
    qreal labelWidth = 0.0;
    qreal valueLeft = 0.0;
    QStringList textLines;
};

InsurerReport::Captions InsurerReport::listCaptions()
{
    Captions captions;
    for (int column = 0; column < ItemListView::ColumnCount; ++column) {
        const QByteArray header = ItemListView::columnHeaderText(column);
        // The list translates the labels of the group and the name columns.
        captions.append(column <= NameColumn ? QCoreApplication::translate("ItemListView", header.constData())
                                             : QString::fromLatin1(header));
    }
    return captions;
}

InsurerReport::Owner InsurerReport::storedOwner()
{
    const auto settings = openSettings();
    return { settings->value(QLatin1StringView(InsurerSetting::OwnerName)).toString(),
             settings->value(QLatin1StringView(InsurerSetting::OwnerAddress)).toString() };
}

InsurerReport::InsurerReport(const DBItemCollection& collection, const std::vector<const Item*>& items,
                             const QString& databaseName, const Captions& captions, const Owner& owner,
                             const QString& scope, const QDate& date)
    : m_collection(collection)
    , m_databaseName(databaseName)
    , m_captions(captions)
    , m_owner(owner)
    , m_scope(scope)
    , m_date(date)
{
    while (m_captions.size() < ItemListView::ColumnCount)
        m_captions.append(QString());
    const LookupList& groups = collection.groups();
    const QString dataDir = collection.databaseDir();
    // -1 collects the items of groups the list does not name.
    std::map<int, Group> byGroup;
    for (const Item* item : items) {
        int group = item->type();
        if (group < 0 || group >= groups.size() || groups.at(group).isEmpty())
            group = -1;
        Group& target = byGroup[group];
        Entry entry;
        entry.item = item;
        entry.group = group;
        // Only files are read: a photo on the web counts as none, a receipt there as linked.
        if (!item->photolink().isEmpty() && !isUrlLink(item->photolink()))
            entry.photoPath = resolveLink(item->photolink(), dataDir);
        if (!item->receipt().isEmpty() && !isUrlLink(item->receipt()))
            entry.receiptPath = resolveLink(item->receipt(), dataDir);
        entry.photoFound = !entry.photoPath.isEmpty() && QFileInfo(entry.photoPath).isFile();
        entry.receiptFound = !entry.receiptPath.isEmpty() && QFileInfo(entry.receiptPath).isFile();
        target.entries.push_back(std::move(entry));
        // A picture's registration number multiplies nothing.
        const double purchase = isPictova() ? item->price() : item->value();
        target.purchase += purchase;
        target.valueToday += item->priceToday();
        m_purchase += purchase;
        m_valueToday += item->priceToday();
        ++m_itemCount;
    }

    const ListOrder order;
    for (auto& [number, group] : byGroup) {
        group.name = number < 0 ? QCoreApplication::translate("ItemListView", "UNKNOWN_GROUP") : groups.at(number);
        std::stable_sort(group.entries.begin(), group.entries.end(), [&order](const Entry& a, const Entry& b) {
            return order.compareTexts(a.item->name(), b.item->name()) < 0;
        });
        m_groups.push_back(std::move(group));
    }
    std::stable_sort(m_groups.begin(), m_groups.end(), [&order](const Group& a, const Group& b) {
        const bool aUnknown = a.entries.front().group < 0;
        const bool bUnknown = b.entries.front().group < 0;
        if (aUnknown != bUnknown)
            return bUnknown;
        return order.compareTexts(a.name, b.name) < 0;
    });
}

InsurerReport::~InsurerReport() = default;

bool InsurerReport::loadPictures(const Progress& progress)
{
    std::vector<Entry*> entries;
    for (Group& group : m_groups) {
        for (Entry& entry : group.entries)
            entries.push_back(&entry);
    }
    // Each task reads the pictures of one item and writes into that item's entry only.
    std::atomic<int> done = 0;
    QThreadPool pool;
    pool.setMaxThreadCount(std::max(1, QThread::idealThreadCount()));
    for (Entry* entry : entries) {
        pool.start([entry, &done] {
            if (entry->photoFound)
                entry->photo = readScaled(entry->photoPath, PhotoPixels);
            if (entry->receiptFound)
                entry->receiptPicture = readScaled(entry->receiptPath, ReceiptPixels);
            ++done;
        });
    }
    const int total = int(entries.size());
    while (!pool.waitForDone(100)) {
        if (progress && !progress(done, total)) {
            // What has not started is dropped; what has, finishes.
            pool.clear();
            pool.waitForDone();
            return false;
        }
    }
    if (progress)
        progress(total, total);
    return true;
}

int InsurerReport::itemCount() const
{
    return m_itemCount;
}

double InsurerReport::purchaseTotal() const
{
    return m_purchase;
}

double InsurerReport::valueTodayTotal() const
{
    return m_valueToday;
}

QString InsurerReport::amount(double value) const
{
    return fixedText(value, 2);
}

QString InsurerReport::totalLine(const QString& label, int items, double purchase, double valueToday) const
{
    // In Pictova the two prices are named as the pictures' fields name them.
    const QString purchaseLabel = isPictova() ? m_captions[PriceColumn] : tr("INSURER_PURCHASE_VALUE");
    const QString todayLabel = isPictova() ? m_captions[PriceTodayColumn] : tr("INSURER_VALUE_TODAY");
    return tr("INSURER_TOTAL_LINE %1 %2 %3 %4 %5 %6")
        .arg(label, QString::number(items), purchaseLabel, amount(purchase), todayLabel, amount(valueToday));
}

std::vector<std::pair<QString, QString>> InsurerReport::itemLines(const Entry& entry) const
{
    const Item& item = *entry.item;
    std::vector<std::pair<QString, QString>> lines;
    auto add = [&](int column, const QString& value, bool always = false) {
        if (always || !value.trimmed().isEmpty())
            lines.emplace_back(m_captions[column], value);
    };
    add(NameColumn, item.name(), true);
    add(ProductColumn, item.product());
    add(ProductModelColumn, item.productModel());
    add(SerialnoColumn, item.serialno());
    // The stock and the pictures keep an item or serial number in the first extra field.
    if (isStockvane() || isPictova())
        add(Extra1Column, item.extra1());
    add(GroupColumn,
        entry.group < 0 ? QCoreApplication::translate("ItemListView", "UNKNOWN_GROUP")
                        : m_collection.groups().at(entry.group),
        true);
    const LookupList& locations = m_collection.locations();
    if (item.location() >= 0 && item.location() < locations.size())
        add(LocationColumn, locations.at(item.location()));
    if (item.date() != UnsetDate)
        add(DateColumn, item.date());
    QString price = amount(item.price());
    if (!isPictova() && item.number_of_items() != 1)
        price += QStringLiteral(" \u00d7 %1 = %2").arg(item.number_of_items()).arg(amount(item.value()));
    add(PriceColumn, price, true);
    add(PriceTodayColumn, amount(item.priceToday()), true);
    add(CountColumn, QString::number(item.number_of_items()), true);
    QString receipt = tr("INSURER_NO_RECEIPT");
    if (isUrlLink(item.receipt())) {
        // A receipt on the web is linked all the same; it is no file that could be missing.
        receipt = tr("INSURER_RECEIPT_LINKED %1").arg(item.receipt());
    } else if (!item.receipt().isEmpty()) {
        const QString fileName = QFileInfo(item.receipt()).fileName();
        receipt = entry.receiptFound ? tr("INSURER_RECEIPT_LINKED %1").arg(fileName)
                                     : tr("INSURER_RECEIPT_MISSING %1").arg(fileName);
    }
    add(ReceiptColumn, receipt, true);
    return lines;
}

std::vector<InsurerReport::Block> InsurerReport::layoutBlocks(const Layout& layout, QPagedPaintDevice& device) const
{
    const QFontMetricsF boldMetrics(layout.bold, &device);
    std::vector<Block> blocks;

    // Label and value columns over a width, the labels as wide as the widest, at most a third.
    auto fieldBlock = [&](Block& block, const std::vector<std::pair<QString, QString>>& lines, qreal width) {
        qreal labelWidth = 0.0;
        for (const auto& line : lines)
            labelWidth = std::max(labelWidth, boldMetrics.horizontalAdvance(line.first + u':'));
        block.labelWidth = std::min(labelWidth + 1.0, width / 3);
        block.valueLeft = block.labelWidth + layout.gap;
        const qreal valueWidth = std::max(1.0, width - block.valueLeft);
        int count = 0;
        for (const auto& [label, value] : lines) {
            QStringList labels = PrintLayout::wrapText(label + u':', layout.bold, &device, block.labelWidth);
            QStringList values = PrintLayout::wrapText(value, layout.text, &device, valueWidth);
            count += int(std::max(labels.size(), values.size()));
            block.lines.emplace_back(std::move(labels), std::move(values));
        }
        return count * layout.textSpacing;
    };

    Block cover;
    cover.kind = Block::Kind::Cover;
    cover.heading = tr("INSURER_REPORT_TITLE");
    std::vector<std::pair<QString, QString>> coverLines{
        { tr("INSURER_DATABASE"), m_databaseName },
        { tr("INSURER_DATE"), m_date.toString(QStringLiteral("dd.MM.yyyy")) },
    };
    if (!m_owner.name.trimmed().isEmpty())
        coverLines.emplace_back(tr("INSURER_OWNER"), m_owner.name.trimmed());
    if (!m_owner.address.trimmed().isEmpty())
        coverLines.emplace_back(tr("INSURER_ADDRESS"), m_owner.address.trimmed());
    if (!m_scope.isEmpty())
        coverLines.emplace_back(tr("INSURER_SCOPE"), m_scope);
    coverLines.emplace_back(tr("INSURER_ITEM_COUNT"), QString::number(m_itemCount));
    coverLines.emplace_back(isPictova() ? m_captions[PriceColumn] : tr("INSURER_PURCHASE_VALUE"), amount(m_purchase));
    coverLines.emplace_back(isPictova() ? m_captions[PriceTodayColumn] : tr("INSURER_VALUE_TODAY"),
                            amount(m_valueToday));
    cover.height
        = layout.titleSpacing + layout.gap + fieldBlock(cover, coverLines, layout.body.width()) + 2 * layout.gap;
    blocks.push_back(std::move(cover));

    const qreal textLeft = layout.photo.width() + layout.gap;
    const qreal textWidth = layout.body.width() - textLeft - layout.receipt.width() - layout.gap;
    auto wrappedTotal = [&](const QString& text) {
        Block block;
        block.kind = Block::Kind::Total;
        block.textLines = PrintLayout::wrapText(text, layout.bold, &device, layout.body.width());
        block.height = block.textLines.size() * layout.textSpacing + 2 * layout.gap;
        return block;
    };
    for (const Group& group : m_groups) {
        Block heading;
        heading.kind = Block::Kind::GroupHeading;
        heading.heading = group.name;
        heading.height = layout.headingSpacing + layout.gap;
        heading.keepWithNext = true;
        blocks.push_back(std::move(heading));
        for (const Entry& entry : group.entries) {
            Block block;
            block.kind = Block::Kind::Item;
            block.entry = &entry;
            const qreal textHeight = fieldBlock(block, itemLines(entry), textWidth);
            block.height = std::max(textHeight, layout.photo.height()) + 2 * layout.gap;
            // An item never takes more than a page; a longer one is cut at the page's end.
            block.height = std::min(block.height, layout.body.height());
            blocks.push_back(std::move(block));
        }
        blocks.push_back(wrappedTotal(totalLine(tr("INSURER_SUBTOTAL %1").arg(group.name), int(group.entries.size()),
                                                group.purchase, group.valueToday)));
    }
    blocks.push_back(wrappedTotal(totalLine(tr("INSURER_GRAND_TOTAL"), m_itemCount, m_purchase, m_valueToday)));
    return blocks;
}

bool InsurerReport::render(QPagedPaintDevice& device, int* pageCount) const
{
    Layout layout;
    layout.page = PrintLayout::contentRect(device);
    layout.mm = device.logicalDpiX() / 25.4;
    layout.text = reportFont(9);
    layout.bold = reportFont(9, true);
    layout.heading = reportFont(12, true);
    layout.title = reportFont(16, true);
    layout.small = reportFont(7.5);
    layout.textSpacing = QFontMetricsF(layout.text, &device).lineSpacing();
    layout.headingSpacing = QFontMetricsF(layout.heading, &device).lineSpacing();
    layout.titleSpacing = QFontMetricsF(layout.title, &device).lineSpacing();
    layout.smallSpacing = QFontMetricsF(layout.small, &device).lineSpacing();
    layout.gap = 2.5 * layout.mm;
    layout.photo = QSizeF(55 * layout.mm, 41 * layout.mm);
    layout.receipt = QSizeF(24 * layout.mm, 24 * layout.mm);
    // Narrow paper gives the pictures less room rather than the texts none.
    const qreal pictures = layout.photo.width() + layout.receipt.width() + 2 * layout.gap;
    if (pictures > layout.page.width() / 2) {
        const qreal factor = layout.page.width() / 2 / pictures;
        layout.photo *= factor;
        layout.receipt *= factor;
    }
    const qreal head = layout.smallSpacing + layout.gap;
    layout.body = layout.page.adjusted(0, head, 0, -head);

    const std::vector<Block> blocks = layoutBlocks(layout, device);

    // Pages: a block goes to the next page when it does not fit; a group's heading goes with
    // its first item.
    std::vector<std::vector<std::pair<const Block*, qreal>>> pages(1);
    qreal top = layout.body.top();
    for (size_t index = 0; index < blocks.size(); ++index) {
        const Block& block = blocks[index];
        qreal needed = block.height;
        if (block.keepWithNext && index + 1 < blocks.size())
            needed += blocks[index + 1].height;
        if (top + needed > layout.body.bottom() && top > layout.body.top()) {
            pages.emplace_back();
            top = layout.body.top();
        }
        pages.back().emplace_back(&block, top);
        top += block.height;
    }
    if (pageCount)
        *pageCount = int(pages.size());

    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    const QString date = m_date.toString(QStringLiteral("dd.MM.yyyy"));
    const QString runningHead = m_databaseName.isEmpty()
        ? tr("INSURER_REPORT_TITLE")
        : tr("INSURER_REPORT_TITLE") + QStringLiteral(" \u2013 ") + m_databaseName;
    const QPen rulePen(QColor(150, 150, 150), 0.2 * layout.mm);
    const QFontMetricsF smallMetrics(layout.small, &device);
    const QFontMetricsF textMetrics(layout.text, &device);

    auto drawFields = [&](const Block& block, qreal left, qreal y) {
        for (const auto& [labels, values] : block.lines) {
            const bool name = &block.lines.front().first == &labels && block.kind == Block::Kind::Item;
            for (qsizetype line = 0; line < std::max(labels.size(), values.size()); ++line) {
                const qreal baseline = y + textMetrics.ascent();
                painter.setFont(layout.bold);
                if (line < labels.size())
                    painter.drawText(QPointF(left, baseline), labels[line]);
                painter.setFont(name ? layout.bold : layout.text);
                if (line < values.size())
                    painter.drawText(QPointF(left + block.valueLeft, baseline), values[line]);
                y += layout.textSpacing;
            }
        }
    };

    for (size_t page = 0; page < pages.size(); ++page) {
        if (page > 0)
            device.newPage();
        // The running head, title and date, and the foot with the page's number.
        painter.setFont(layout.small);
        painter.setPen(Qt::black);
        const qreal headBaseline = layout.page.top() + smallMetrics.ascent();
        painter.drawText(QPointF(layout.page.left(), headBaseline),
                         smallMetrics.elidedText(runningHead, Qt::ElideRight, layout.page.width() * 0.75));
        painter.drawText(QPointF(layout.page.right() - smallMetrics.horizontalAdvance(date), headBaseline), date);
        const QString number = tr("INSURER_PAGE %1 %2").arg(page + 1).arg(pages.size());
        const qreal footBaseline = layout.page.bottom() - smallMetrics.descent();
        painter.drawText(QPointF(layout.page.right() - smallMetrics.horizontalAdvance(number), footBaseline), number);
        painter.setPen(rulePen);
        painter.drawLine(QPointF(layout.page.left(), layout.body.top() - layout.gap / 2),
                         QPointF(layout.page.right(), layout.body.top() - layout.gap / 2));
        painter.drawLine(QPointF(layout.page.left(), layout.body.bottom() + layout.gap / 2),
                         QPointF(layout.page.right(), layout.body.bottom() + layout.gap / 2));
        painter.setPen(Qt::black);

        for (const auto& [block, y] : pages[page]) {
            const qreal left = layout.body.left();
            switch (block->kind) {
            case Block::Kind::Cover:
                painter.setFont(layout.title);
                painter.drawText(QPointF(left, y + QFontMetricsF(layout.title, &device).ascent()), block->heading);
                drawFields(*block, left, y + layout.titleSpacing + layout.gap);
                break;
            case Block::Kind::GroupHeading:
                painter.setFont(layout.heading);
                painter.drawText(QPointF(left, y + QFontMetricsF(layout.heading, &device).ascent()), block->heading);
                painter.setPen(rulePen);
                painter.drawLine(QPointF(left, y + layout.headingSpacing),
                                 QPointF(layout.body.right(), y + layout.headingSpacing));
                painter.setPen(Qt::black);
                break;
            case Block::Kind::Total: {
                painter.setFont(layout.bold);
                qreal line = y + layout.gap;
                for (const QString& text : block->textLines) {
                    painter.drawText(QPointF(left, line + textMetrics.ascent()), text);
                    line += layout.textSpacing;
                }
                break;
            }
            case Block::Kind::Item: {
                const Entry& entry = *block->entry;
                const qreal itemTop = y + layout.gap;
                painter.save();
                painter.setClipRect(QRectF(left, y, layout.body.width(), block->height));
                const QRectF photoBox(QPointF(left, itemTop), layout.photo);
                const QImage photo = entry.photo.isEmpty() ? QImage() : QImage::fromData(entry.photo, "JPEG");
                if (!photo.isNull()) {
                    drawFitted(painter, photo, photoBox);
                } else {
                    // An item without a photo keeps its place, with a word why.
                    painter.setPen(rulePen);
                    painter.drawRect(photoBox);
                    painter.setPen(Qt::gray);
                    painter.setFont(layout.small);
                    const QString why = entry.photoPath.isEmpty() ? tr("INSURER_NO_PHOTO")
                        : entry.photoFound                        ? tr("INSURER_PHOTO_UNREADABLE")
                                                                  : tr("INSURER_PHOTO_MISSING");
                    painter.drawText(photoBox, Qt::AlignCenter | Qt::TextWordWrap, why);
                    painter.setPen(Qt::black);
                }
                const QImage receipt
                    = entry.receiptPicture.isEmpty() ? QImage() : QImage::fromData(entry.receiptPicture, "JPEG");
                if (!receipt.isNull())
                    drawFitted(painter, receipt,
                               QRectF(QPointF(layout.body.right() - layout.receipt.width(), itemTop), layout.receipt));
                drawFields(*block, left + layout.photo.width() + layout.gap, itemTop);
                painter.restore();
                painter.setPen(rulePen);
                painter.drawLine(QPointF(left, y + block->height), QPointF(layout.body.right(), y + block->height));
                painter.setPen(Qt::black);
                break;
            }
            }
        }
    }
    painter.end();
    return true;
}
