#include "ItemPrinting.h"

#include "PrintLayout.h"

#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

bool ItemPrinting::render(QPagedPaintDevice& device, const Lines& lines)
{
    const QRectF area = PrintLayout::contentRect(device);
    const QFont font = PrintLayout::fixedFont(QStringLiteral("Courier"), PointSize);
    const QFontMetricsF metrics(font, &device);
    const qreal gap = 2 * metrics.horizontalAdvance(u' ');
    // The labels take what the widest needs, but never more than a third of the page.
    qreal labelWidth = 0.0;
    for (const auto& line : lines)
        labelWidth = std::max(labelWidth, metrics.horizontalAdvance(line.first));
    labelWidth = std::min(labelWidth + 1.0, area.width() / 3);
    const qreal valueWidth = std::max(1.0, area.width() - labelWidth - gap);
    const qreal lineSpacing = metrics.lineSpacing();

    QPainter painter;
    if (!painter.begin(&device))
        return false;
    painter.setFont(font);
    qreal top = area.top();
    for (const auto& [label, value] : lines) {
        const QStringList labelLines = PrintLayout::wrapText(label, font, &device, labelWidth);
        const QStringList valueLines = PrintLayout::wrapText(value, font, &device, valueWidth);
        const qsizetype height = std::max(labelLines.size(), valueLines.size());
        for (qsizetype index = 0; index < height; ++index) {
            if (top + lineSpacing > area.bottom() && top > area.top()) {
                device.newPage();
                top = area.top();
            }
            const qreal baseline = top + metrics.ascent();
            if (index < labelLines.size())
                painter.drawText(QPointF(area.left(), baseline), labelLines[index]);
            if (index < valueLines.size())
                painter.drawText(QPointF(area.left() + labelWidth + gap, baseline), valueLines[index]);
            top += lineSpacing;
        }
    }
    painter.end();
    return true;
}
