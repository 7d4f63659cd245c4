#include "FileDialogs.h"

#include <QFileDialog>
#include <QFileInfo>

namespace {

FileDialogs::Answerer g_answerer;

FileDialogs::Answer withSuffix(FileDialogs::Answer answer, const FileDialogs::Request& request)
{
    // A desktop's own dialog may hand the name back as typed.
    if (request.mode == FileDialogs::Mode::Save && !request.defaultSuffix.isEmpty() && !answer.fileName.isEmpty()
        && QFileInfo(answer.fileName).suffix().isEmpty())
        answer.fileName += u'.' + request.defaultSuffix;
    return answer;
}

} // namespace

FileDialogs::Answer FileDialogs::ask(QWidget* parent, const Request& request)
{
    if (g_answerer)
        return withSuffix(g_answerer(request), request);
    QFileDialog dialog(parent, request.caption, request.directory, request.filter);
    if (request.mode == Mode::Directory) {
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
    } else if (request.mode == Mode::Save) {
        // A name that does not exist yet is accepted.
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // Added before the dialog asks whether to replace a file, so that it asks about the
        // file that will really be written.
        dialog.setDefaultSuffix(request.defaultSuffix);
    } else {
        dialog.setFileMode(QFileDialog::ExistingFile);
    }
    Answer answer;
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        answer.fileName = dialog.selectedFiles().constFirst();
    answer.directory = dialog.directory().absolutePath();
    return withSuffix(answer, request);
}

void FileDialogs::setAnswerer(Answerer answerer)
{
    g_answerer = std::move(answerer);
}
