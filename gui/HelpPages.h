#pragma once

#include "ProgramVariant.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

// The commands of the Help menu that open a help page.
enum class HelpCommand { Help, Tutorial, ErrorHandling, Links };

// The help page of a Help menu command in a product, with the language code put in.
QString helpPageName(HelpCommand command, ProgramVariant variant, const QByteArray& language);
// Whether the Help menu offers the command in that product and language.
bool helpCommandAvailable(HelpCommand command, ProgramVariant variant, const QByteArray& language);
// Opens the help page of a Help menu command; returns the result code of ShellOpenFile.
int openHelpPage(HelpCommand command, ProgramVariant variant, const QByteArray& language);

// Where the release notes of a product and language are: a help page name for ShellOpenFile
// (helpPage true), or the absolute path of a text file below "help" in the data folder.
struct ReleaseNotes
{
    bool helpPage = false;
    QString target;
};
ReleaseNotes releaseNotes(ProgramVariant variant, const QByteArray& language);
// Shows the release notes: a help page through ShellOpenFile, a text file with the desktop's
// program for text files (a box tells when that fails). Returns whether they were handed on.
bool openReleaseNotes(ProgramVariant variant, const QByteArray& language);

// The dialogs that have a help button.
enum class DialogHelp { ItemDialog, PrintSetup, CommonSetup, SetupGroups, SetupLocations, SetupSuppliers };
// The help page of a dialog's help button in a product, with the language code put in; empty
// when the dialog has no help page in that product.
QString dialogHelpPageName(DialogHelp dialog, ProgramVariant variant, const QByteArray& language);
// All help pages the dialogs' help buttons open in a product and language.
QStringList dialogHelpPageNames(ProgramVariant variant, const QByteArray& language);
