#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The product this process is: chosen once at start from the path it was started from.
enum class ProgramVariant { Domvara = 1, Pictova = 2, Mintora = 3, Stockvane = 5 };

void SetProgramVariant(ProgramVariant variant);
ProgramVariant GetProgramVariant();

bool isDomvara();
bool isStockvane();
bool isMintora();
bool isPictova();

// The variant a program path names (letter case ignored, the whole path counts), if any.
std::optional<ProgramVariant> variantFromPath(const QString& programPath);

// "Domvara" or, slashed, "/Domvara/".
QString GetVariantName(bool slashed = false);
QString variantName(ProgramVariant variant, bool slashed = false);
// The tag that marks the variant's database files: "INB", "INV", "COI" or "IMA".
QByteArray variantTag(ProgramVariant variant);

// "dk", "no" or "en" from the setting "Language"; anything else counts as "dk".
QByteArray GetLanguage();
// The setting "LastDBDir", defaulting to the folder of the user's copy of the demo database.
QString GetLastDBDir();
// The main window caption for a database file name.
QString GetCaption(const QString& fileName);

// Demo database directory ("db/DemoDBStd/") and file, relative to the data folder (DataPaths.h).
// The user works on a copy of them (DemoDatabase.h).
QString demoDatabaseDir(ProgramVariant variant);
QString demoDatabaseFile(ProgramVariant variant, const QByteArray& language);
