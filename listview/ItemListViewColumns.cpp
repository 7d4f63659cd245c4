// The item list's column widths: those the user set are kept in the settings, the others fit
// their headers and what their columns typically show.

#include "ItemListView.h"
#include "ItemListViewColumns.h"

#include "DBItemCollection.h"
#include "Settings.h"

#include <QFontMetrics>
#include <QHeaderView>
#include <QStyle>
#include <QTimer>

#include <algorithm>

using namespace ItemListViewDetail;

void ItemListView::restoreColumnWidths()
{
    {
        const auto settings = openSettings();
        settings->beginGroup(QLatin1StringView(ListViewGroup));
        m_settingWidths = true;
        for (int column = 0; column < ColumnCount; ++column) {
            const QVariant stored = settings->value(QLatin1StringView(Columns[column].widthKey));
            m_widthChosen[column] = stored.isValid() && stored.toInt() > 0;
            if (m_widthChosen[column])
                setColumnWidth(column, stored.toInt());
        }
        m_settingWidths = false;
    }
    fitColumnsNotChosen();
    // Widths the user drags are kept at once (a moment after the drag), so that they survive
    // whatever way the program ends.
    m_widthSaveTimer = new QTimer(this);
    m_widthSaveTimer->setSingleShot(true);
    m_widthSaveTimer->setInterval(500);
    connect(m_widthSaveTimer, &QTimer::timeout, this, &ItemListView::saveChosenColumnWidths);
    connect(header(), &QHeaderView::sectionResized, this, [this](int column) { columnResized(column); });
}

void ItemListView::saveColumnWidths()
{
    const auto settings = openSettings();
    settings->beginGroup(QLatin1StringView(ListViewGroup));
    settings->setValue(QStringLiteral("Colums"), ColumnCount);
    settings->setValue(QStringLiteral("childCount"), topLevelItemCount());
    for (int column = 0; column < ColumnCount; ++column) {
        settings->setValue(QLatin1StringView(Columns[column].widthKey), columnWidth(column));
        m_widthChosen[column] = true;
    }
}

void ItemListView::saveChosenColumnWidths()
{
    m_widthSaveTimer->stop();
    const auto settings = openSettings();
    settings->beginGroup(QLatin1StringView(ListViewGroup));
    for (int column = 0; column < ColumnCount; ++column) {
        if (m_widthChosen[column])
            settings->setValue(QLatin1StringView(Columns[column].widthKey), columnWidth(column));
    }
}

void ItemListView::columnResized(int column)
{
    // The last column stretches with the window; that is no width the user chose.
    if (m_settingWidths || column < 0 || column >= ColumnCount - 1)
        return;
    m_widthChosen[column] = true;
    m_widthSaveTimer->start();
}

int ItemListView::fittedWidth(int column) const
{
    // What a column typically shows: counts up to five digits, prices up to a million, a date,
    // a 16-pixel icon; a text column keeps its room for a few words.
    const char* sample = nullptr;
    switch (column) {
    case CountColumn:
        sample = "99999";
        break;
    case PriceColumn:
    case PriceTodayColumn:
        sample = "999999.00";
        break;
    case DateColumn:
        sample = "31.12.2000";
        break;
    default:
        break;
    }
    // The cell's margins as the view draws them, and a little air.
    const int margins = 2 * (style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, this) + 1) + 8;
    int content = 0;
    if (sample)
        content = QFontMetrics(font()).horizontalAdvance(QLatin1StringView(sample)) + margins;
    if (column == PictureColumn || column == ReceiptColumn || column == DocumentColumn)
        content = std::max(iconSize().width(), 16) + margins;
    // The group column shows the groups' names beside the branch marks: room for the longest,
    // up to a third of a usual screen.
    if (column == GroupColumn && m_collection) {
        const QFontMetrics metrics(font());
        int widest = 0;
        for (const QString& name : m_collection->groups().entries())
            widest = std::max(widest, metrics.horizontalAdvance(name));
        content = std::min(widest + indentation() + margins, 320);
    }
    return std::max({ Columns[column].width, content, header()->sectionSizeHint(column) });
}

void ItemListView::fitColumnsNotChosen()
{
    m_settingWidths = true;
    for (int column = 0; column < ColumnCount; ++column) {
        if (!m_widthChosen[column])
            setColumnWidth(column, fittedWidth(column));
    }
    m_settingWidths = false;
}

