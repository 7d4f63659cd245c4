#include "MessageBoxes.h"

#include "MessageListDialog.h"

#include <QPushButton>

namespace {
MessageBoxes::Answerer g_answerer;
}

int MessageBoxes::ask(QWidget* parent, const Request& request)
{
    if (g_answerer)
        return g_answerer(request);

    if (!request.details.isEmpty()) {
        MessageListDialog dialog(request.icon, request.title, request.text, request.details, parent);
        if (!request.buttons.isEmpty())
            dialog.setChoices(request.buttons, request.defaultButton, request.escapeButton);
        dialog.exec();
        return dialog.chosen();
    }

    QMessageBox box(request.icon, request.title, request.text, QMessageBox::NoButton, parent);
    if (request.buttons.isEmpty()) {
        box.setStandardButtons(QMessageBox::Ok);
        box.exec();
        return 0;
    }
    QList<QPushButton*> buttons;
    for (const QString& text : request.buttons)
        buttons.append(box.addButton(text, QMessageBox::AcceptRole));
    box.setDefaultButton(buttons.value(request.defaultButton));
    if (request.escapeButton >= 0)
        box.setEscapeButton(buttons.value(request.escapeButton));
    box.exec();
    const int chosen = int(buttons.indexOf(static_cast<QPushButton*>(box.clickedButton())));
    return chosen >= 0 ? chosen : request.escapeButton;
}

void MessageBoxes::critical(QWidget* parent, const QString& title, const QString& text)
{
    ask(parent, {QMessageBox::Critical, title, text, {}, 0, 0});
}

void MessageBoxes::warning(QWidget* parent, const QString& title, const QString& text)
{
    ask(parent, {QMessageBox::Warning, title, text, {}, 0, 0});
}

void MessageBoxes::setAnswerer(Answerer answerer)
{
    g_answerer = std::move(answerer);
}
