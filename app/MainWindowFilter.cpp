// The quick filter above the item list.

#include "MainWindow.h"

#include "ItemListView.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStatusBar>
#include <QVBoxLayout>

namespace {

// Empties a line edit when Escape is pressed in it.
class EscapeClears : public QObject
{
public:
    explicit EscapeClears(QLineEdit* edit)
        : QObject(edit)
        , m_edit(edit)
    {
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_edit && event->type() == QEvent::KeyPress
            && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Escape && !m_edit->text().isEmpty()) {
            m_edit->clear();
            return true;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    QLineEdit* m_edit;
};

} // namespace

QWidget* MainWindow::createFilterBox()
{
    auto* holder = new QWidget(this);
    auto* layout = new QVBoxLayout(holder);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);

    m_filterBox = new QLineEdit(holder);
    m_filterBox->setObjectName(QStringLiteral("quickFilterLineEdit"));
    m_filterBox->setPlaceholderText(tr("QUICK_FILTER_PLACEHOLDER"));
    m_filterBox->setToolTip(tr("TOOLTIP_QUICK_FILTER"));
    m_filterBox->setWhatsThis(tr("TOOLTIP_QUICK_FILTER"));
    m_filterBox->setClearButtonEnabled(true);
    layout->addWidget(m_filterBox);
    layout->addWidget(m_listView);

    // Filtered as the user types, without a delay: it is fast enough for large registers.
    connect(m_filterBox, &QLineEdit::textChanged, m_listView, &ItemListView::setFilterText);
    // Escape in the box shows every row again.
    m_filterBox->installEventFilter(new EscapeClears(m_filterBox));

    m_filterCount = new QLabel(this);
    m_filterCount->setObjectName(QStringLiteral("filterCountLabel"));
    statusBar()->addPermanentWidget(m_filterCount);
    m_filterCount->hide();
    connect(m_listView, &ItemListView::filterApplied, this, [this](int shown, int total) {
        const bool filtered = !m_listView->filterText().isEmpty();
        m_filterCount->setText(tr("FILTER_COUNT %1 %2").arg(shown).arg(total));
        m_filterCount->setVisible(filtered);
    });
    return holder;
}
