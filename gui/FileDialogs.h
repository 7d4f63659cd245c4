#pragma once

#include <QString>

#include <functional>

class QWidget;

// Every file dialog of the program goes through here, so that tests can choose the file
// instead of a person.
class FileDialogs
{
public:
    // Directory asks for a folder: the answer's fileName is the folder chosen.
    enum class Mode { Open, Save, Directory };
    struct Request
    {
        Mode mode = Mode::Open;
        QString caption;
        QString directory;
        QString filter;
        // Save: added (after a ".") to a name the user typed without any extension.
        QString defaultSuffix = {};
    };
    struct Answer
    {
        // Empty when the dialog was cancelled.
        QString fileName;
        // The folder the dialog was in when it closed.
        QString directory;
    };
    using Answerer = std::function<Answer(const Request&)>;

    // A chosen name is given the request's default suffix when it has no extension, whether a
    // person or a test answered.
    static Answer ask(QWidget* parent, const Request& request);
    // Tests choose files through this; an empty answerer shows real dialogs again.
    static void setAnswerer(Answerer answerer);
};
