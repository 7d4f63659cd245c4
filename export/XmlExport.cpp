#include "XmlExport.h"

#include "DBItemCollection.h"
#include "ExportWriter.h"
#include "WaitCursor.h"

bool writeXml(DBItemCollection& collection, QIODevice& device)
{
    ExportWriter out(device);
    out.line("<?xml version=\"1.0\" encoding=\"iso-8859-1\"?>");
    out.line("<Items>");
    collection.sort(0);
    ItemElementWriter elements(out, collection, 1);
    for (const auto& item : collection.items())
        elements.writeItem(*item, {});
    out.line("</Items>");
    return out.finish();
}

bool saveAsXml(DBItemCollection& collection, const QString& path, FileWriteOutcome* outcome)
{
    WaitCursor wait;
    FileWriteOutcome result
        = writeFileSafely(path, [&collection](QIODevice& device) { return writeXml(collection, device); });
    const bool written = result.written;
    if (outcome)
        *outcome = std::move(result);
    return written;
}
