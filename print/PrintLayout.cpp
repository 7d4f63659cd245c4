#include "PrintLayout.h"

#include "MessageBoxes.h"
#include "PrintDialogs.h"
#include "WaitCursor.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPrinter>
#include <QTextLayout>

#include <algorithm>

namespace PrintLayout {

QFont fixedFont(const QString& family, qreal pointSize, int weight)
{
    QFont font(family);
    font.setPointSizeF(pointSize);
    font.setWeight(QFont::Weight(weight));
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    return font;
}

QRectF contentRect(const QPagedPaintDevice& device)
{
    const QPageLayout layout = device.pageLayout();
    const int resolution = device.logicalDpiX();
    const QRect full = layout.fullRectPixels(resolution);
    const QRect paint = layout.paintRectPixels(resolution);
    const qreal margin = MarginMillimetres / 25.4 * resolution;
    // The painter's origin is the top left of the printable area, which the printer's own
    // margins may already have moved in from the edge of the paper.
    const qreal left = std::max<qreal>(0.0, margin - (paint.left() - full.left()));
    const qreal top = std::max<qreal>(0.0, margin - (paint.top() - full.top()));
    const qreal right = std::max<qreal>(0.0, margin - (full.right() - paint.right()));
    const qreal bottom = std::max<qreal>(0.0, margin - (full.bottom() - paint.bottom()));
    return QRectF(left, top, std::max<qreal>(1.0, paint.width() - left - right),
                  std::max<qreal>(1.0, paint.height() - top - bottom));
}

QStringList wrapText(const QString& text, const QFont& font, const QPaintDevice* device, qreal width)
{
    if (text.isEmpty())
        return { QString() };
    QString laidOut = text;
    // Line ends in a text are kept as line breaks of its own.
    laidOut.replace(QStringLiteral("\r\n"), QString(QChar::LineSeparator));
    laidOut.replace(u'\n', QChar::LineSeparator);
    laidOut.replace(u'\r', QChar::LineSeparator);
    QTextLayout layout(laidOut, font, device);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    QStringList lines;
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(std::max<qreal>(width, 1.0));
        QString piece = laidOut.mid(line.textStart(), line.textLength());
        while (!piece.isEmpty() && (piece.back().isSpace() || piece.back() == QChar::LineSeparator))
            piece.chop(1);
        lines.append(piece);
    }
    layout.endLayout();
    if (lines.isEmpty())
        lines.append(QString());
    return lines;
}

} // namespace PrintLayout

PrintJob::Outcome PrintJob::run(Mode mode, QWidget* parent, QPrinter& printer, const Render& render)
{
    if (mode == Mode::Print) {
        if (!PrintDialogs::ask(parent, &printer))
            return Outcome::Cancelled;
        bool painted = false;
        if (printer.isValid()) {
            const WaitCursor wait;
            painted = render(printer);
        }
        if (!painted) {
            reportFailure(parent, printer);
            return Outcome::Failed;
        }
        return Outcome::Printed;
    }

    // The preview paints whenever it shows the pages, and a last time on the printer the user
    // prints on: that last painting decides.
    bool painted = true;
    const bool printed = PrintDialogs::preview(parent, &printer, [&render, &painted](QPrinter* pages) {
        const WaitCursor wait;
        painted = render(*pages);
    });
    if (!printed)
        return Outcome::Cancelled;
    if (!painted) {
        reportFailure(parent, printer);
        return Outcome::Failed;
    }
    return Outcome::Printed;
}

void PrintJob::reportFailure(QWidget* parent, const QPrinter& printer)
{
    const QString where = printer.outputFormat() == QPrinter::PdfFormat
        ? QFileInfo(printer.outputFileName()).absoluteFilePath()
        : printer.printerName();
    MessageBoxes::critical(parent, tr("PRINT_FAILED_TITLE"), tr("PRINT_FAILED_TEXT").arg(where));
}
