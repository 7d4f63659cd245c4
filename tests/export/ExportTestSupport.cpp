#include "ExportTestSupport.h"

#include "Desktop.h"
#include "ItemListView.h"

#include <QFile>

namespace {

// The elements of an item block in their order, with the list column whose caption they show.
const QList<QPair<QByteArray, int>> Elements
    = { { "Group", 0 },      { "Name", 1 },          { "Product", 2 },   { "Model", 3 },         { "Price", 5 },
        { "PriceToday", 6 }, { "Date", 9 },          { "Supplier", 12 }, { "SerialNumber", 14 }, { "Description", 11 },
        { "Address", 13 },   { "NumberOfItems", 4 }, { "Location", 10 }, { "WwwLink", 15 },      { "DocumentLink", 16 },
        { "Extra1", 17 },    { "Extra2", 18 },       { "Extra3", 19 },   { "Extra4", 20 },       { "PictureLink", 7 },
        { "ReceiptLink", 8 } };

} // namespace

QByteArray block(const QByteArray& values, const QByteArray& suffix, bool captions, bool locationOnly)
{
    QMap<QByteArray, QByteArray> map;
    for (const QByteArray& pair : values.split('|')) {
        const qsizetype equals = pair.indexOf('=');
        if (equals > 0)
            map.insert(pair.left(equals), pair.mid(equals + 1));
    }
    QByteArray out = "<Item>\r\n";
    for (const auto& [tag, column] : Elements) {
        if (locationOnly && tag != "Location")
            continue;
        if (captions)
            out += "<b>" + caption(column) + "</b>: ";
        out += '<' + tag + '>' + map.value(tag) + suffix + "</" + tag + ">\r\n";
    }
    return out + "</Item>\r\n";
}

QByteArray caption(int column)
{
    return ItemListView::columnHeaderText(column);
}

Item* addItem(DBItemCollection& collection, int type, const QString& name, int location, double priceToday)
{
    auto item = std::make_unique<Item>();
    item->setType(type);
    item->setName(name);
    item->setLocation(location);
    item->setPriceToday(priceToday);
    return collection.addItem(std::move(item));
}

QByteArray readFile(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("missing");
}

ExportRecorder::ExportRecorder()
{
    message = [this](const QString& text, int ms) { messages.append({ text, ms }); };
    qputenv("AppData", dir.path().toLocal8Bit());
    Desktop::setHandlers(
        [this](const QUrl& url) {
            opened.append(url);
            return true;
        },
        {});
    MessageBoxes::setAnswerer([this](const MessageBoxes::Request& request) {
        boxes.append(request);
        return 0;
    });
}

ExportRecorder::~ExportRecorder()
{
    qunsetenv("AppData");
    qunsetenv("XDG_DATA_HOME");
    Desktop::setHandlers({}, {});
    MessageBoxes::setAnswerer({});
}
