#include "PrintDialogs.h"

#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>

namespace {
PrintDialogs::Answerer g_answerer;
PrintDialogs::PreviewAnswerer g_previewAnswerer;
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
