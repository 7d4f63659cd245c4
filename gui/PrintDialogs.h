#pragma once

#include <functional>

class QPrinter;
class QWidget;

// Every printer set-up dialog of the program goes through here, so that tests can confirm it
// (and point the printer at a PDF file) instead of a person.
class PrintDialogs
{
public:
    // Returns whether the user confirmed the dialog; the printer holds the choices made.
    using Answerer = std::function<bool(QPrinter* printer)>;

    static bool ask(QWidget* parent, QPrinter* printer);
    // Tests confirm dialogs through this; an empty answerer shows real dialogs again.
    static void setAnswerer(Answerer answerer);
};
