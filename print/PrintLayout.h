#pragma once

#include <QCoreApplication>
#include <QFont>
#include <QRectF>
#include <QString>
#include <QStringList>

#include <functional>

class QPagedPaintDevice;
class QPaintDevice;
class QPrinter;
class QWidget;

// What every printout shares: the area of a page it prints on, its fonts, breaking long texts
// into lines, and how a print command runs.
namespace PrintLayout {

// The least room left blank at each edge of the paper, in millimetres.
inline constexpr qreal MarginMillimetres = 10.0;

// A font of even character widths, so that columns of characters line up; where the named
// family is not installed another fixed-pitch font stands in.
QFont fixedFont(const QString& family, qreal pointSize, int weight = QFont::Normal);

// The area to print on, in the coordinates of a painter on the device: the printable area, less
// what is needed to keep MarginMillimetres from the paper's edges.
QRectF contentRect(const QPagedPaintDevice& device);

// The lines a text takes at a width: broken at spaces where possible, and anywhere in a word that
// is longer than a line, so that nothing is cut. An empty text takes one empty line.
QStringList wrapText(const QString& text, const QFont& font, const QPaintDevice* device, qreal width);

} // namespace PrintLayout

// How every print command runs: it asks for the printer, or shows the pages first and prints
// from there, paints the pages with the wait cursor, and tells the user when nothing could be
// printed.
class PrintJob
{
    Q_DECLARE_TR_FUNCTIONS(PrintJob)

public:
    enum class Mode { Print, Preview };
    enum class Outcome { Printed, Cancelled, Failed };
    // Paints every page on the printer; false when the printer cannot be painted on.
    using Render = std::function<bool(QPrinter& printer)>;

    static Outcome run(Mode mode, QWidget* parent, QPrinter& printer, const Render& render);
    // The message box that says a printout failed.
    static void reportFailure(QWidget* parent, const QPrinter& printer);
};
