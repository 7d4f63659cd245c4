#include "PrintDialogs.h"

#include <QPrintDialog>
#include <QPrinter>

namespace {
PrintDialogs::Answerer g_answerer;
}

bool PrintDialogs::ask(QWidget* parent, QPrinter* printer)
{
    if (g_answerer)
        return g_answerer(printer);
    QPrintDialog dialog(printer, parent);
    return dialog.exec() == QDialog::Accepted;
}

void PrintDialogs::setAnswerer(Answerer answerer)
{
    g_answerer = std::move(answerer);
}
