#pragma once

#include <QString>
#include <QStringList>

// The result codes ShellOpenFile returns, in the numbering the error texts are kept under:
// a code above 32 means the desktop took the file.
namespace ShellResult {
inline constexpr int FileNotFound = 2;
inline constexpr int PathNotFound = 3;
inline constexpr int NoAssociation = 31;
inline constexpr int Success = 33;
} // namespace ShellResult

// Opens a help page (below "help" in the data folder, fullPath false) or a file given by
// its whole path (fullPath true) with the desktop's program for it. Shows the "HTML fejl" box
// on failure and returns the result code.
int ShellOpenFile(const QString& name, const QString& suffix, bool fullPath);

// The untranslated text for a result code of ShellOpenFile; empty for codes it has no text for.
QString ShellErrorText(int resultCode);

// Opens a linked file or web address of an item with the desktop's program for it; an empty
// link does nothing. A relative link is found by resolveLink (the working directory, then the
// database's folder). A failure is shown in a box naming the file.
void OpenWithAssociatedProgram(const QString& link);

// Tells the user that the chosen viewer program could not be started and that the file is
// opened by its association instead; an empty program shows nothing.
void ShowProgramNotFound(const QString& program, const QString& file);

// Starts an outside program with the arguments as they are and does not wait for it; returns
// whether it started.
bool StartProgram(const QString& program, const QStringList& arguments);

// Opens a link of an item (found as OpenWithAssociatedProgram finds it) with the outside program
// the user chose for it. Without a program, or
// when it does not start (said in a box when one was named), the desktop opens the link by its
// association instead.
void OpenWithProgram(const QString& program, const QString& link);

// Opens an item's web link as OpenWithProgram does, as the address webLinkTarget makes of it:
// "www.example.com" opens https://www.example.com rather than a file of that name.
void OpenWebLink(const QString& program, const QString& link);
