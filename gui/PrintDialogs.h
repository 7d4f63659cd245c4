#pragma once

#include <functional>

class QPrinter;
class QWidget;

// Every printer set-up dialog and print preview of the program goes through here, so that tests
// can confirm them (and point the printer at a PDF file) instead of a person.
class PrintDialogs
{
public:
    // Returns whether the user confirmed the dialog; the printer holds the choices made.
    using Answerer = std::function<bool(QPrinter* printer)>;
    // Paints every page onto the printer it is given.
    using PaintPages = std::function<void(QPrinter* printer)>;
    // Answers a preview: true when the user printed from it, false when the user went back.
    // Whoever prints calls paint with the printer.
    using PreviewAnswerer = std::function<bool(QPrinter* printer, const PaintPages& paint)>;

    static bool ask(QWidget* parent, QPrinter* printer);
    // Shows the pages paint makes as they will print; the user prints them from there (on the
    // printer chosen in the printer dialog the preview offers) or goes back. True when printed.
    static bool preview(QWidget* parent, QPrinter* printer, const PaintPages& paint);

    // Tests confirm dialogs through these; an empty answerer shows real dialogs again.
    static void setAnswerer(Answerer answerer);
    static void setPreviewAnswerer(PreviewAnswerer answerer);
};
