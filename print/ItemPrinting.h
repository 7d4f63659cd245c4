#pragma once

#include <QString>

#include <utility>
#include <vector>

class QPagedPaintDevice;

// One item printed as lines of a label and a value: the labels in a column of their own, the
// values beside them, broken into more lines where they are wider than the page, over as many
// pages as they take.
namespace ItemPrinting {

using Lines = std::vector<std::pair<QString, QString>>;

inline constexpr qreal PointSize = 10.0;

// Paints the lines on the device; false when it cannot be painted on.
bool render(QPagedPaintDevice& device, const Lines& lines);

} // namespace ItemPrinting
