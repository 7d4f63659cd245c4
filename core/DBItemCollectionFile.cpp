// Reading and writing the database file, the lock file of a stock database and the lookup
// list files.

#include "DBItemCollection.h"

#include "EField.h"
#include "LogXML.h"
#include "Settings.h"
#include "UiReporter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSysInfo>

#include <cmath>
#include <cstring>
#include <numeric>

#include <pwd.h>
#include <unistd.h>

namespace {

int g_fileVersion = 100;

constexpr char LogFileName[] = "DBItemCollection";
// The longest header line the loader accepts; a longer one ends the load as a damaged file.
constexpr qsizetype MaxHeaderLength = 349;

// Text-mode reading: a CR LF pair becomes a line feed, wherever the file was written.
void normaliseLineEnds(QByteArray& data)
{
    const qsizetype first = data.indexOf("\r\n");
    if (first < 0)
        return;
    // The text between two CRs moves as one block.
    char* out = data.data() + first;
    const char* in = out;
    const char* end = data.constData() + data.size();
    while (in != end) {
        const char* cr = static_cast<const char*>(std::memchr(in, '\r', size_t(end - in)));
        const char* stop = cr ? cr : end;
        std::memmove(out, in, size_t(stop - in));
        out += stop - in;
        in = stop;
        if (in == end)
            break;
        if (in + 1 == end || in[1] != '\n')
            *out++ = '\r'; // a CR alone stays
        ++in;
    }
    data.truncate(out - data.constData());
}

// The bytes a text field is written as. The file has no quoting, so what the reader could not
// take back is changed as little as possible: a ";" (the field separator) becomes ",", a
// character outside Latin-1 becomes "?", and a text is cut at the 199 characters a field can
// hold. Line breaks stay, except where the reader skips the rest of the line after the field.
void storableText(QStringView text, std::string& out, bool keepLineBreaks)
{
    const qsizetype length = std::min(text.size(), EStringField::MaxLength);
    out.resize(size_t(length));
    const char16_t* in = text.utf16();
    char* to = out.data();
    for (qsizetype i = 0; i < length; ++i) {
        const char16_t c = in[i];
        char b = c == u';' ? ',' : c > 0xff ? '?' : char(c);
        if (!keepLineBreaks && (b == '\r' || b == '\n'))
            b = ' ';
        to[i] = b;
    }
}

// A field name from a string literal, without a copy: the loader makes its fields anew for
// every file it reads.
template<qsizetype N>
QByteArray fieldName(const char (&text)[N])
{
    return QByteArray::fromRawData(text, N - 1);
}

QString userName()
{
    for (const char* variable : {"USER", "USERNAME", "LOGNAME"}) {
        const QString name = qEnvironmentVariable(variable);
        if (!name.isEmpty())
            return name;
    }
    if (const passwd* entry = getpwuid(getuid()); entry && entry->pw_name && *entry->pw_name)
        return QString::fromLocal8Bit(entry->pw_name);
    return QStringLiteral("UserName not found");
}

QString computerName()
{
    const QString name = QSysInfo::machineHostName();
    return name.isEmpty() ? QStringLiteral("UserName not found") : name;
}

} // namespace

int fileVersion()
{
    return g_fileVersion;
}

QByteArray DBItemCollection::headerLine(ProgramVariant variant)
{
    switch (variant) {
    case ProgramVariant::Stockvane:
        return "#2.5.6 (INV)- Format: type;name;product;price;priceToday;date;supplier;serialno;description;address;"
               "photolink;number_of_items;location;www;receipt;document;producttype;serialno;remarks;quality;www2;";
    case ProgramVariant::Mintora:
        return "#2.5.5 (COI)- Format: type;year;mat;price;priceToday;date;catalog;catalogNo;description;quality;"
               "picture1;count;crown;www;picture2;document;producttype;";
    case ProgramVariant::Pictova:
        return "#2.5.6 (IMA)- Format: type;name;model;price;priceToday;date;supplier;serialno;description;address;"
               "photolink;number_of_items;location;www;picture2;document;about;serialNo;remarks;quality;votes;";
    case ProgramVariant::Domvara:
        break;
    }
    return "#2.5.5 (INB)- Format: group;name;product;price;priceToday;date;supplier;serialno;description;address;"
           "photolink;number_of_items;location;www;receipt;document;producttype;";
}

// ---------------------------------------------------------------------------------------------
// Loading

bool DBItemCollection::LoadFromAsciiFile(const QString& path)
{
    log(path, "LoadFromAsciiFile()");
    if (isStockvane() && !LockDB(path))
        m_reporter->critical(tr("FILE_ALLREADY_OPEN_WARNING"), tr("DB_OPEN_BY_ANOTHER_USER") + m_lockInfo);

    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    BusyScope busy(m_reporter);
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return false;
    file.close();
    return parseDatabase(std::move(data), path);
}

bool DBItemCollection::loadFromData(QByteArray data)
{
    BusyScope busy(m_reporter);
    return parseDatabase(std::move(data), QString());
}

bool DBItemCollection::parseDatabase(QByteArray data, const QString& path)
{
    normaliseLineEnds(data);
    EInputStream in(data);

    // The line layout starts with the fields of the first format; each header line adds the
    // fields its version brought. Every field is followed by one separator position.
    EIntField type(fieldName("Type"));
    ECharField separator(fieldName("Separator"));
    EStringField name(fieldName("Name"), ';'), product(fieldName("Model"), ';'), date(fieldName("Date"), ';'),
        supplier(fieldName("Supplier"), ';'), serialno(fieldName("Serialno"), ';'),
        description(fieldName("Description"), ';'), address(fieldName("Address"), ';'),
        photolink(fieldName("Photolink"), ';'), numberOfItems(fieldName("Items"), ';');
    EFloatField price(fieldName("Price"), 9, 2), priceToday(fieldName("PriceToday"), 9, 2);
    EStringField location(fieldName("Location"), ';'), www(fieldName("www"), ';'), receipt(fieldName("receipt"), ';'),
        document(fieldName("document"), ';'), productModel(fieldName("productModel"), ';'),
        extra1(fieldName("extra1"), ';'), extra2(fieldName("extra2"), ';'), extra3(fieldName("extra3"), ';'),
        extra4(fieldName("extra4"), ';');

    EFieldLine line;
    // Room for the fields of the newest format, each followed by the separator.
    line.reserve(64);
    auto add = [&line, &separator](EField* field) {
        if (field)
            line.append(field);
        line.append(&separator);
    };
    for (EField* field : std::initializer_list<EField*>{&type, &name, &product, &price, &priceToday, &date,
                                                        &supplier, &serialno, &description, &address,
                                                        &photolink, &numberOfItems})
        add(field);

    int version = 100;
    g_fileVersion = version;
    const QByteArray logPath = path.toLatin1();
    const bool logItems = m_log && m_log->isEnabled();
    std::string header;

    auto finish = [&]() {
        if (m_log) {
            m_log->EndLogItem();
            m_log->LogEntry(logPath, LogFileName, "LoadFromAsciiFile() - loaded");
        }
        return true;
    };

    try {
        for (;;) {
            if (in.atEnd())
                return finish();

            if (in.peek() == '#') {
                in.getline(header, MaxHeaderLength);
                if (m_log)
                    m_log->BeginLogItem(QByteArray(header.data(), qsizetype(header.size())), LogFileName,
                                        "LoadFromAsciiFile()");
                auto digit = [&header](size_t i) { return i < header.size() ? header[i] : '\0'; };
                const char major = digit(1), minor = digit(3), patch = digit(5);
                if (major >= '2' && minor >= '4') {
                    if (patch == '0') {
                        add(nullptr);
                        version = 240;
                    } else if (patch > '0') {
                        add(&location);
                        version = 241;
                    }
                    if (major < '2' || minor < '5' || patch < '2') {
                        add(nullptr);
                        add(nullptr);
                        add(nullptr);
                    } else {
                        add(&www);
                        add(&receipt);
                        version = 252;
                        if (patch > '2') {
                            add(&document);
                            version = 253;
                        }
                        if (patch > '3')
                            version = 254;
                        if (patch > '4') {
                            add(&productModel);
                            version = 255;
                        }
                        if (patch > '5') {
                            add(&extra1);
                            add(&extra2);
                            add(&extra3);
                            add(&extra4);
                            version = 256;
                        }
                    }
                    g_fileVersion = version;
                }
                // Files of versions 2.5.4 to 2.5.6 name the product that wrote them.
                const bool tagged = major == '2' && minor == '5' && patch >= '4' && patch <= '6';
                if (tagged && header.find(variantTag(GetProgramVariant()).toStdString()) == std::string::npos) {
                    deleteLockFile();
                    return false;
                }
                continue;
            }

            line.read(in);
            // The rest of the physical line holds fields of a later format, if anything.
            in.ignore(std::numeric_limits<qsizetype>::max(), '\n');

            auto item = std::make_unique<Item>();
            item->setType(type.value());
            item->setPrice(price.value());
            item->setPriceToday(priceToday.value());
            bool ok = false;
            const int count = QByteArrayView(numberOfItems.value()).trimmed().toInt(&ok);
            item->setNumber_of_items(ok ? count : 1);
            if (version > 240) {
                const int place = QByteArrayView(location.value()).trimmed().toInt(&ok);
                item->setLocation(ok ? place : 0);
            }
            std::array<std::string_view, Item::TextFieldCount> texts{};
            texts[Item::Name] = name.value();
            texts[Item::Product] = product.value();
            texts[Item::Date] = date.value();
            texts[Item::Supplier] = supplier.value();
            texts[Item::Serialno] = serialno.value();
            texts[Item::Description] = description.value();
            texts[Item::Address] = address.value();
            texts[Item::Photolink] = photolink.value();
            if (version > 251) {
                texts[Item::Www] = www.value();
                texts[Item::Receipt] = receipt.value();
            }
            if (version > 252)
                texts[Item::Document] = document.value();
            if (version > 254)
                texts[Item::ProductModel] = productModel.value();
            if (version > 255) {
                texts[Item::Extra1] = extra1.value();
                texts[Item::Extra2] = extra2.value();
                texts[Item::Extra3] = extra3.value();
                texts[Item::Extra4] = extra4.value();
            }
            item->setLatin1Texts(texts);
            if (logItems)
                m_log->WriteElement("Item", item->dump());
            m_items.push_back(std::move(item));
        }
    } catch (const ELineException& e) {
        if (e.isEndOfFile())
            return finish();
        m_reporter->critical(QStringLiteral("Database error"), QString::fromLatin1(e.message()));
        return false;
    }
}

// ---------------------------------------------------------------------------------------------
// Saving

bool DBItemCollection::SaveToFileAsAscii(const QString& path)
{
    if (m_readOnly || lockedByAnother(path)) {
        m_reporter->warning(tr("READ ONLY"), tr("READ ONLY MODE - No Save"));
        return false;
    }

    // The new contents go to a temporary file beside the database, which replaces the database
    // only when everything was written and flushed: a save that fails half-way (a full disk,
    // an unwritable folder) leaves the file on disk as it was.
    QSaveFile file(path);
    log(path, "SaveToFileAsAscii()");
    if (m_log)
        m_log->BeginLogItem();
    bool saved = file.open(QIODevice::WriteOnly);
    if (saved) {
        BusyScope busy(m_reporter);
        saved = writeDatabase(file);
        if (saved)
            saved = file.commit();
        else
            file.cancelWriting();
    }
    if (m_log)
        m_log->EndLogItem();
    if (!saved)
        reportSaveFailure(path, file.errorString());
    return saved;
}

bool DBItemCollection::writeDatabase(QIODevice& device)
{
    const bool fullFormat = isStockvane() || isPictova();

    EIntField type;
    ECharField separator;
    separator.setValue(';');
    ECharField lineEnd;
    lineEnd.setValue('\n');
    EFloatField price(0, 6), priceToday(0, 6);
    EStringField numberOfItems, location;
    std::array<EStringField, Item::TextFieldCount> texts;

    // The 21 fields in the order of the item, each followed by the separator.
    EFieldLine line;
    line.reserve(2 * (Item::TextFieldCount + 5) + 1);
    auto add = [&line, &separator](EField* field) {
        line.append(field);
        line.append(&separator);
    };
    add(&type);
    add(&texts[Item::Name]);
    add(&texts[Item::Product]);
    add(&price);
    add(&priceToday);
    for (const auto field : {Item::Date, Item::Supplier, Item::Serialno, Item::Description, Item::Address,
                             Item::Photolink})
        add(&texts[field]);
    add(&numberOfItems);
    add(&location);
    for (const auto field : {Item::Www, Item::Receipt, Item::Document, Item::ProductModel, Item::Extra1, Item::Extra2,
                             Item::Extra3, Item::Extra4})
        add(&texts[field]);
    line.append(&lineEnd);

    // Items are written ordered by group; the collection takes that order once the file is
    // written.
    std::vector<size_t> order(m_items.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [this](size_t a, size_t b) { return m_items[a]->type() < m_items[b]->type(); });

    EOutputStream out(&device, true);
    out << headerLine(GetProgramVariant()) << "\n";
    const bool logItems = m_log && m_log->isEnabled();
    std::string text;
    try {
        for (const size_t index : order) {
            const Item& item = *m_items[index];
            type.setValue(item.type());
            // A number the file cannot hold would make the whole file unreadable.
            price.setValue(std::isfinite(item.price()) ? item.price() : 0.0);
            priceToday.setValue(std::isfinite(item.priceToday()) ? item.priceToday() : 0.0);
            numberOfItems.setValue(std::to_string(item.number_of_items()));
            location.setValue(std::to_string(item.location()));
            for (int field = 0; field < Item::TextFieldCount; ++field) {
                // A product whose files end before the extra fields skips the rest of the line
                // after them, so a line break there would start a false item.
                const bool keepLineBreaks = fullFormat || field < Item::Extra1;
                storableText(item.textView(Item::TextField(field)), text, keepLineBreaks);
                texts[field].setValue(text);
            }
            line.write(out);
            if (logItems)
                m_log->WriteElement("Item", item.dump());
        }
    } catch (const ELineException&) {
        return false;
    }
    if (!out.flush())
        return false;

    std::vector<std::unique_ptr<Item>> sorted;
    sorted.reserve(m_items.size());
    for (const size_t index : order)
        sorted.push_back(std::move(m_items[index]));
    // Moved back rather than swapped in, so that the item list keeps its storage.
    std::move(sorted.begin(), sorted.end(), m_items.begin());
    return true;
}

void DBItemCollection::reportSaveFailure(const QString& path, const QString& reason) const
{
    m_reporter->critical(tr("DB_SAVE_ERROR_TITLE"),
                         tr("DB_SAVE_ERROR_TEXT") + QStringLiteral("\n\n") + QDir::toNativeSeparators(path) + QStringLiteral("\n") + reason);
}

// ---------------------------------------------------------------------------------------------
// The lock file of a stock database

QString DBItemCollection::lockFilePath() const
{
    return GetLastDBDir() + QStringLiteral("/LockFile.txt");
}

bool DBItemCollection::lockedByAnother(const QString& databasePath) const
{
    if (!isStockvane())
        return false;
    const QFileInfo lock(QFileInfo(databasePath).absolutePath() + QStringLiteral("/LockFile.txt"));
    if (!lock.exists())
        return false;
    return m_heldLockPath.isEmpty() || QFileInfo(m_heldLockPath).canonicalFilePath() != lock.canonicalFilePath();
}

bool DBItemCollection::LockDB(const QString& path)
{
    if (!isStockvane())
        return false;
    const QString lockPath = lockFilePath();
    if (!m_heldLockPath.isEmpty()) {
        if (m_heldLockPath == lockPath && QFile::exists(lockPath))
            return true;
        deleteLockFile();
    }

    auto readHolder = [this, &lockPath]() {
        m_readOnly = true;
        QFile lock(lockPath);
        if (lock.open(QIODevice::ReadOnly)) {
            QByteArray first = lock.readLine(MaxHeaderLength + 1);
            while (first.endsWith('\n') || first.endsWith('\r'))
                first.chop(1);
            m_lockInfo = QString::fromLatin1(first);
        }
        return false;
    };

    QFile lock(lockPath);
    if (lock.exists())
        return readHolder();
    // Created only when it does not exist yet, so that of two programs starting at the same
    // moment only one takes the lock.
    if (lock.open(QIODevice::WriteOnly | QIODevice::NewOnly)) {
        const QString content = path + QStringLiteral(" Locked by PC: ") + computerName() + QStringLiteral(", User: ") + userName();
        const QByteArray bytes = content.toLatin1();
        const bool written = lock.write(bytes) == bytes.size() && lock.flush();
        lock.close();
        if (written) {
            if (m_log)
                m_log->LogEntry((lockPath + QStringLiteral(" Created")).toLatin1(), LogFileName, "LockDB()");
            m_readOnly = false;
            m_heldLockPath = lockPath;
            return true;
        }
        lock.remove();
    } else if (lock.exists()) {
        return readHolder();
    }
    if (m_log)
        m_log->LogEntry((lockPath + QStringLiteral(" ErrorCreate")).toLatin1(), LogFileName, "LockDB()");
    return false;
}

void DBItemCollection::deleteLockFile()
{
    // Only a lock this collection created is ever removed: never another user's.
    if (!isStockvane() || m_readOnly || m_heldLockPath.isEmpty())
        return;
    QFile lock(m_heldLockPath);
    if (lock.exists() && !lock.remove()) {
        m_reporter->critical(QStringLiteral("ERROR"), tr("CAN_NOT_DELETE_LOCK_FILE:") + m_heldLockPath);
        return;
    }
    m_heldLockPath.clear();
}

// ---------------------------------------------------------------------------------------------
// Lookup lists

bool DBItemCollection::MakeDynamicLists()
{
    const QString dbDir = GetLastDBDir();
    const QString language = QString::fromLatin1(GetLanguage());
    log(dbDir, "MakeDynamicLists()");

    m_groups.clear();
    m_locations.clear();
    m_suppliers.clear();
    m_fieldLabels.clear();
    if (dbDir.isEmpty())
        return true;

    // The list of the language from the database directory; when it is missing, the second
    // choice.
    auto load = [this](LookupList& list, const QString& firstChoice, const QString& secondChoice) {
        if (m_log)
            m_log->WriteElement("Loading", firstChoice.toLatin1());
        if (list.LoadFromFile(firstChoice))
            return true;
        if (m_log)
            m_log->WriteElement("WARNING", "Not found");
        return list.LoadFromFile(secondChoice);
    };

    bool groupsAndLocations = load(m_groups, dbDir + QStringLiteral("/groups/groups.") + language + QStringLiteral(".txt"),
                                   dbDir + QStringLiteral("/groups/groups.da.txt"));
    if (groupsAndLocations)
        groupsAndLocations = load(m_locations, dbDir + QStringLiteral("/location/location.") + language + QStringLiteral(".txt"),
                                  dbDir + QStringLiteral("/location/location.da.txt"));
    if (!groupsAndLocations) {
        // Groups and locations that belong together: both from the program's own folder.
        m_groups.LoadFromFile(QStringLiteral("group/group.") + language + QStringLiteral(".txt"));
        m_locations.LoadFromFile(QStringLiteral("location/location.") + language + QStringLiteral(".txt"));
    }
    load(m_suppliers, dbDir + QStringLiteral("/supplier/supplier.") + language + QStringLiteral(".txt"),
         QStringLiteral("db/DemoDBStd//supplier/supplier.") + language + QStringLiteral(".txt"));
    load(m_fieldLabels, dbDir + QStringLiteral("/fields/fields.") + language + QStringLiteral(".txt"),
         QStringLiteral("db/DemoDBStd//fields/fields.") + language + QStringLiteral(".txt"));
    return true;
}

bool DBItemCollection::saveLookupLists()
{
    const QString dbDir = GetLastDBDir();
    const QString base = dbDir.isEmpty() ? QDir::currentPath() : dbDir;
    const QString language = QString::fromLatin1(GetLanguage());

    struct ListFile
    {
        LookupList* list;
        const char* folder;
        const char* file;
        const char* messageKey;
    };
    const ListFile lists[] = {
        {&m_groups, "groups", "groups", QT_TR_NOOP("Kan ikke gemme gruppe fil:")},
        {&m_locations, "location", "location", QT_TR_NOOP("Kan ikke gemme lokale fil:")},
        {&m_suppliers, "supplier", "supplier", QT_TR_NOOP("KAN_IKKE_GEMME_LEVERAND_FIL:")},
        {&m_fieldLabels, "fields", "fields", QT_TR_NOOP("KAN_IKKE_GEMME_FIELDS_FIL:")},
    };
    bool allSaved = true;
    for (const ListFile& entry : lists) {
        const QString folder = base + u'/' + QLatin1StringView(entry.folder);
        const QString path = folder + u'/' + QLatin1StringView(entry.file) + u'.' + language + QStringLiteral(".txt");
        QDir().mkpath(folder);
        if (!entry.list->SaveToFile(path)) {
            m_reporter->critical(tr("Fil fejl"), tr(entry.messageKey) + QDir::toNativeSeparators(path));
            allSaved = false;
        }
    }
    return allSaved;
}
