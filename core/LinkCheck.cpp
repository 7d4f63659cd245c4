#include "LinkCheck.h"

#include "DBItemCollection.h"
#include "DataPaths.h"

#include <QDir>
#include <QDirIterator>
#include <QFileInfo>
#include <QHash>
#include <QSet>

namespace LinkCheck {

std::vector<MissingLink> findMissing(const DBItemCollection& collection)
{
    std::vector<MissingLink> missing;
    const QString databaseDir = collection.databaseDir();
    for (const auto& owned : collection.items()) {
        for (const Item::TextField field : CheckedFields) {
            const QString link = owned->text(field).trimmed();
            if (link.isEmpty() || isUrlLink(link))
                continue;
            if (!QFileInfo(resolveLink(link, databaseDir)).isFile())
                missing.push_back({ owned.get(), field, owned->text(field) });
        }
    }
    return missing;
}

QString linkFileName(const QString& link)
{
    const QString trimmed = link.trimmed();
    const qsizetype separator = std::max(trimmed.lastIndexOf(u'/'), trimmed.lastIndexOf(u'\\'));
    return trimmed.mid(separator + 1);
}

RelinkPlan planRelink(const std::vector<MissingLink>& missing, const QString& folder, const QString& databaseDir)
{
    RelinkPlan plan;
    // The links each name stands for: two different links of one name (IMG_0001.JPG from two
    // cameras) cannot both be the one file found, so such a name is never relinked.
    QHash<QString, QSet<QString>> wanted;
    for (const MissingLink& link : missing) {
        const QString name = linkFileName(link.link);
        if (!name.isEmpty())
            wanted[name].insert(link.link);
    }
    // One walk through the folder finds every name.
    QHash<QString, QStringList> found;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        it.next();
        const QString name = it.fileName();
        if (wanted.contains(name))
            found[name].append(it.filePath());
    }

    const QDir database(databaseDir);
    QSet<QString> reported;
    for (const MissingLink& link : missing) {
        const QString name = linkFileName(link.link);
        const QStringList places = found.value(name);
        if (places.size() == 1 && wanted.value(name).size() == 1) {
            const QString file = QFileInfo(places.first()).absoluteFilePath();
            const QString relative = databaseDir.isEmpty() ? QString() : database.relativeFilePath(file);
            const bool below
                = !relative.isEmpty() && !relative.startsWith(QStringLiteral("../")) && !QDir::isAbsolutePath(relative);
            plan.changes.push_back({ link.item, link.field, link.link, below ? relative : file });
            continue;
        }
        if (reported.contains(name))
            continue;
        reported.insert(name);
        if (places.isEmpty())
            plan.notFound.append(name.isEmpty() ? link.link : name);
        else
            plan.ambiguous.emplace_back(name, places);
    }
    return plan;
}

} // namespace LinkCheck
