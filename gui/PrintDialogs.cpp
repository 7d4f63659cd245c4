#include "PrintDialogs.h"

#include <QAction>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QToolBar>

#include <utility>

namespace {
PrintDialogs::Answerer g_answerer;
PrintDialogs::PreviewAnswerer g_previewAnswerer;
std::vector<PrintDialogs::PreviewAction> g_previewActions;
} // namespace

bool PrintDialogs::ask(QWidget* parent, QPrinter* printer)
{
    if (g_answerer)
        return g_answerer(printer);
    QPrintDialog dialog(printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

bool PrintDialogs::preview(QWidget* parent, QPrinter* printer, const PaintPages& paint)
{
    if (g_previewAnswerer)
        return g_previewAnswerer(printer, paint);
    QPrintPreviewDialog dialog(printer, parent);
    // The preview paints again whenever it needs the pages, and once more on the printer when
    // the user prints from it.
    QObject::connect(&dialog, &QPrintPreviewDialog::paintRequested, &dialog,
                     [&paint](QPrinter* pages) { paint(pages); });
    if (auto* tools = dialog.findChild<QToolBar*>(); tools && !g_previewActions.empty()) {
        tools->addSeparator();
        for (const PreviewAction& offered : g_previewActions) {
            QAction* action = tools->addAction(offered.text);
            action->setObjectName(offered.objectName);
            QObject::connect(action, &QAction::triggered, &dialog,
                             [&dialog, triggered = offered.triggered] { triggered(&dialog); });
        }
    }
    return dialog.exec() == QDialog::Accepted;
}

void PrintDialogs::setAnswerer(Answerer answerer)
{
    g_answerer = std::move(answerer);
}

void PrintDialogs::setPreviewAnswerer(PreviewAnswerer answerer)
{
    g_previewAnswerer = std::move(answerer);
}

PrintDialogs::PreviewActions::PreviewActions(std::vector<PreviewAction> actions)
    : m_previous(std::exchange(g_previewActions, std::move(actions)))
{
}

PrintDialogs::PreviewActions::~PreviewActions()
{
    g_previewActions = std::move(m_previous);
}

const std::vector<PrintDialogs::PreviewAction>& PrintDialogs::previewActions()
{
    return g_previewActions;
}
