#include "HelpPages.h"

#include "DataPaths.h"
#include "Desktop.h"
#include "MessageBoxes.h"
#include "ShellHelpers.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QUrl>

namespace {

QString withLanguage(const QString& pattern, const QByteArray& language)
{
    return pattern.arg(QString::fromLatin1(language));
}

bool isDanishOrNorwegian(const QByteArray& language)
{
    return language == "dk" || language == "no";
}

} // namespace

QString helpPageName(HelpCommand command, ProgramVariant variant, const QByteArray& language)
{
    QString pattern;
    switch (command) {
    case HelpCommand::Help:
        switch (variant) {
        case ProgramVariant::Mintora:
            pattern = QStringLiteral("HelpMintora.%1.htm");
            break;
        case ProgramVariant::Pictova:
            // Pictova has one help page for every language.
            return QStringLiteral("Help.htm");
        case ProgramVariant::Domvara:
        case ProgramVariant::Stockvane:
            pattern = QStringLiteral("index.%1.htm");
            break;
        }
        break;
    case HelpCommand::Tutorial:
        switch (variant) {
        case ProgramVariant::Domvara:
            pattern = QStringLiteral("GettingStarted.%1.htm");
            break;
        case ProgramVariant::Stockvane:
        case ProgramVariant::Mintora:
        case ProgramVariant::Pictova:
            pattern = QStringLiteral("GettingStarted.") + variantName(variant) + QStringLiteral(".%1.htm");
            break;
        }
        break;
    case HelpCommand::ErrorHandling:
        pattern = QStringLiteral("ErrorHandling.%1.htm");
        break;
    case HelpCommand::Links:
        switch (variant) {
        case ProgramVariant::Domvara:
        case ProgramVariant::Stockvane:
            pattern = QStringLiteral("DomvaraLinksAndReferences.%1.htm");
            break;
        case ProgramVariant::Mintora:
            pattern = QStringLiteral("Mintoralinks.%1.htm");
            break;
        case ProgramVariant::Pictova:
            pattern = QStringLiteral("Pictovalinks.%1.htm");
            break;
        }
        break;
    }
    return withLanguage(pattern, language);
}

bool helpCommandAvailable(HelpCommand command, ProgramVariant variant, const QByteArray& language)
{
    switch (command) {
    case HelpCommand::Help:
        switch (variant) {
        case ProgramVariant::Domvara:
            return isDanishOrNorwegian(language);
        case ProgramVariant::Mintora:
        case ProgramVariant::Pictova:
            return language == "dk";
        case ProgramVariant::Stockvane:
            return false;
        }
        return false;
    case HelpCommand::Tutorial:
        return variant != ProgramVariant::Stockvane || language == "dk";
    case HelpCommand::ErrorHandling:
    case HelpCommand::Links:
        return true;
    }
    return false;
}

int openHelpPage(HelpCommand command, ProgramVariant variant, const QByteArray& language)
{
    return ShellOpenFile(helpPageName(command, variant, language), QString(), false);
}

ReleaseNotes releaseNotes(ProgramVariant variant, const QByteArray& language)
{
    // Domvara's Danish and Norwegian notes are a help page; all others are plain text.
    if (variant == ProgramVariant::Domvara && isDanishOrNorwegian(language))
        return {true, withLanguage(QStringLiteral("releasenotes.Domvara.%1.htm"), language)};
    const QString product = variant == ProgramVariant::Domvara ? QString() : variantName(variant) + u'.';
    return {false, dataPath(QStringLiteral("help/releasenotes.")) + product
                       + withLanguage(QStringLiteral("%1.txt"), language)};
}

bool openReleaseNotes(ProgramVariant variant, const QByteArray& language)
{
    const ReleaseNotes notes = releaseNotes(variant, language);
    if (notes.helpPage)
        return ShellOpenFile(notes.target, QString(), false) > 32;
    // The desktop would not tell us about a missing file, so it is looked for first.
    if (QFileInfo::exists(notes.target) && Desktop::openUrl(QUrl::fromLocalFile(notes.target)))
        return true;
    MessageBoxes::Request request;
    request.icon = QMessageBox::Critical;
    request.title = QCoreApplication::translate("ShellHelpers", "Fejl");
    request.text = QCoreApplication::translate("ShellHelpers", "NOTEPAD_NOT_FOUND");
    request.buttons = {QCoreApplication::translate("ShellHelpers", "Ok")};
    request.defaultButton = 0;
    request.escapeButton = 0;
    MessageBoxes::ask(nullptr, request);
    return false;
}

QString dialogHelpPageName(DialogHelp dialog, ProgramVariant variant, const QByteArray& language)
{
    const bool mintora = variant == ProgramVariant::Mintora;
    // The lookup list editors have help pages only where they edit rooms and item types.
    const bool household = variant == ProgramVariant::Domvara || variant == ProgramVariant::Stockvane;
    switch (dialog) {
    case DialogHelp::ItemDialog:
        if (household)
            return withLanguage(QStringLiteral("InventoryDialog.%1.htm"), language);
        return withLanguage(variantName(variant) + QStringLiteral("Dialog.%1.htm"), language);
    case DialogHelp::PrintSetup:
        return withLanguage(mintora ? QStringLiteral("printSetupMintora.%1.htm") : QStringLiteral("printSetupDialog.%1.htm"),
                            language);
    case DialogHelp::CommonSetup:
        return withLanguage(mintora ? QStringLiteral("CommonSetupDialog.Mintora.%1.htm")
                                    : QStringLiteral("CommonSetupDialog.%1.htm"),
                            language);
    case DialogHelp::SetupGroups:
        return household ? QStringLiteral("SetupDomvaraTyperDialog.htm") : QString();
    case DialogHelp::SetupLocations:
        return household ? QStringLiteral("SetupLokalerDialog.htm") : QString();
    case DialogHelp::SetupSuppliers:
        return household ? QStringLiteral("SetupSupplierDialog.dk.htm") : QString();
    }
    return {};
}

QStringList dialogHelpPageNames(ProgramVariant variant, const QByteArray& language)
{
    QStringList names;
    for (const DialogHelp dialog : {DialogHelp::ItemDialog, DialogHelp::PrintSetup, DialogHelp::CommonSetup,
                                    DialogHelp::SetupGroups, DialogHelp::SetupLocations, DialogHelp::SetupSuppliers}) {
        const QString name = dialogHelpPageName(dialog, variant, language);
        if (!name.isEmpty())
            names.append(name);
    }
    return names;
}
