#include "ProgramVariant.h"

#include "DemoDatabase.h"
#include "Settings.h"

#include <QCoreApplication>

namespace {

ProgramVariant g_variant = ProgramVariant::Domvara;

struct VariantInfo
{
    ProgramVariant variant;
    const char* name;
    const char* tag;
    const char* captionKey;
    const char* demoDir;
    const char* demoFile;
};

constexpr VariantInfo Variants[] = {
    {ProgramVariant::Domvara, "Domvara", "INB", QT_TRANSLATE_NOOP("captionstr", "DOMVARA_CAPTION_TEXT"),
     "db/DemoDBStd/", "db/DemoDBStd/DomvaraStdDemoDatabase.%1.db"},
    {ProgramVariant::Pictova, "Pictova", "IMA", QT_TRANSLATE_NOOP("captionstr", "PICTOVA_CAPTION_TEXT"),
     "db/DemoDBReelix/", "db/DemoDBReelix/Reelix.%1.db"},
    {ProgramVariant::Mintora, "Mintora", "COI", QT_TRANSLATE_NOOP("captionstr", "MINTORA_CAPTION_TEXT"),
     "db/DemoDBMintora/", "db/DemoDBMintora/DemoDBMintora.%1.txt"},
    {ProgramVariant::Stockvane, "Stockvane", "INV", QT_TRANSLATE_NOOP("captionstr", "STOCKVANE_CAPTION_TEXT"),
     "db/DemoStockvane/", "db/DemoStockvane/DemoStockvane.%1.db"},
};

const VariantInfo& info(ProgramVariant variant)
{
    for (const auto& entry : Variants) {
        if (entry.variant == variant)
            return entry;
    }
    return Variants[0];
}

} // namespace

void SetProgramVariant(ProgramVariant variant)
{
    g_variant = variant;
}

ProgramVariant GetProgramVariant()
{
    return g_variant;
}

bool isDomvara()
{
    return g_variant == ProgramVariant::Domvara;
}

bool isStockvane()
{
    return g_variant == ProgramVariant::Stockvane;
}

bool isMintora()
{
    return g_variant == ProgramVariant::Mintora;
}

bool isPictova()
{
    return g_variant == ProgramVariant::Pictova;
}

std::optional<ProgramVariant> variantFromPath(const QString& programPath)
{
    // The order matters: a path naming two products is the first one found here.
    static const struct
    {
        const char* word;
        ProgramVariant variant;
    } words[] = {
        {"domvara", ProgramVariant::Domvara},   {"Stockvane", ProgramVariant::Stockvane},
        {"Pictova", ProgramVariant::Pictova},   {"Mintora", ProgramVariant::Mintora},
        {"Hestiva", ProgramVariant::Domvara},
    };
    for (const auto& entry : words) {
        if (programPath.contains(QLatin1StringView(entry.word), Qt::CaseInsensitive))
            return entry.variant;
    }
    return std::nullopt;
}

QString variantName(ProgramVariant variant, bool slashed)
{
    const QString name = QString::fromLatin1(info(variant).name);
    return slashed ? u'/' + name + u'/' : name;
}

QString GetVariantName(bool slashed)
{
    return variantName(g_variant, slashed);
}

QByteArray variantTag(ProgramVariant variant)
{
    return QByteArray(info(variant).tag);
}

QByteArray GetLanguage()
{
    const auto settings = openSettings();
    const QString language = settings->value(Setting::Language, QString::fromLatin1(Setting::LanguageDefault)).toString();
    if (language == QStringLiteral("no"))
        return "no";
    if (language == QStringLiteral("en"))
        return "en";
    return "dk";
}

QString demoDatabaseDir(ProgramVariant variant)
{
    return QString::fromLatin1(info(variant).demoDir);
}

QString demoDatabaseFile(ProgramVariant variant, const QByteArray& language)
{
    return QString::fromLatin1(info(variant).demoFile).arg(QString::fromLatin1(language));
}

QString GetLastDBDir()
{
    const auto settings = openSettings();
    return settings->value(Setting::LastDBDir, userDemoDatabaseDir(g_variant)).toString();
}

QString GetCaption(const QString& fileName)
{
    return QCoreApplication::translate("captionstr", info(g_variant).captionKey) + QStringLiteral(" - ") + fileName;
}
