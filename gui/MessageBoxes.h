#pragma once

#include <QMessageBox>
#include <QStringList>

#include <functional>

// Every message box of the program goes through here, so that tests can answer it instead of
// a person.
class MessageBoxes
{
public:
    struct Request
    {
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QString title;
        QString text;
        // Texts of the buttons, left to right; none means one standard Ok button.
        QStringList buttons;
        int defaultButton = 0;
        // The answer when the box is closed with Escape; -1 when it cannot be.
        int escapeButton = -1;
        // Lines shown below the text in a read-only list the user can read, select and copy
        // (the lines of a file that failed, say); with lines and no buttons the box has a Close
        // button only.
        QStringList details = {};
    };
    // Answers a request with the index of a button.
    using Answerer = std::function<int(const Request&)>;

    // Shows the box modally and returns the index of the button pressed.
    static int ask(QWidget* parent, const Request& request);
    static void critical(QWidget* parent, const QString& title, const QString& text);
    static void warning(QWidget* parent, const QString& title, const QString& text);

    // Tests answer boxes through this; an empty answerer shows real boxes again.
    static void setAnswerer(Answerer answerer);
};
