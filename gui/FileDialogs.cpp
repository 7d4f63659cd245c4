#include "FileDialogs.h"

#include <QFileDialog>

namespace {
FileDialogs::Answerer g_answerer;
}

FileDialogs::Answer FileDialogs::ask(QWidget* parent, const Request& request)
{
    if (g_answerer)
        return g_answerer(request);
    QFileDialog dialog(parent, request.caption, request.directory, request.filter);
    if (request.mode == Mode::Directory) {
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
    } else if (request.mode == Mode::Save) {
        // A name that does not exist yet is accepted.
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
    } else {
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    Answer answer;
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        answer.fileName = dialog.selectedFiles().constFirst();
    answer.directory = dialog.directory().absolutePath();
    return answer;
}

void FileDialogs::setAnswerer(Answerer answerer)
{
    g_answerer = std::move(answerer);
}
