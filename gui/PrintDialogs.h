#pragma once

#include <QString>

#include <functional>
#include <vector>

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

    // A command a preview offers beside printing, such as saving the pages as a PDF file; it is
    // given the preview's window.
    struct PreviewAction
    {
        QString text;
        QString objectName;
        std::function<void(QWidget* window)> triggered;
    };
    // The previews shown while one lives offer its actions too.
    class PreviewActions
    {
    public:
        explicit PreviewActions(std::vector<PreviewAction> actions);
        ~PreviewActions();
        PreviewActions(const PreviewActions&) = delete;
        PreviewActions& operator=(const PreviewActions&) = delete;

    private:
        std::vector<PreviewAction> m_previous;
    };
    // What a preview shown now offers beside printing (tests trigger them from their answerer).
    static const std::vector<PreviewAction>& previewActions();

    static bool ask(QWidget* parent, QPrinter* printer);
    // Shows the pages paint makes as they will print; the user prints them from there (on the
    // printer chosen in the printer dialog the preview offers) or goes back. True when printed.
    static bool preview(QWidget* parent, QPrinter* printer, const PaintPages& paint);

    // Tests confirm dialogs through these; an empty answerer shows real dialogs again.
    static void setAnswerer(Answerer answerer);
    static void setPreviewAnswerer(PreviewAnswerer answerer);
};
