// Reading and writing the database file and the lookup list files; the lock file of a stock
// database is in DBItemCollectionLock.cpp.

#include "DBItemCollection.h"

#include "DataPaths.h"
#include "EField.h"
#include "LogXML.h"
#include "SafeFileWrite.h"
#include "Settings.h"
#include "UiReporter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <numeric>

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
QByteArray storableText(QStringView text, bool keepLineBreaks)
{
    // Converted by the library, which writes "?" for what Latin-1 cannot hold.
    QByteArray out = text.first(std::min(text.size(), EStringField::MaxLength)).toLatin1();
    out.replace(';', ',');
    if (!keepLineBreaks)
        out.replace('\r', ' ').replace('\n', ' ');
    return out;
}

// The number of data lines in a file: lines that hold something and are no header.
int dataLines(QByteArrayView data)
{
    int lines = 0;
    for (qsizetype start = 0; start < data.size();) {
        qsizetype end = data.indexOf('\n', start);
        if (end < 0)
            end = data.size();
        const QByteArrayView line = data.sliced(start, end - start).trimmed();
        if (!line.isEmpty() && line.front() != '#')
            ++lines;
        start = end + 1;
    }
    return lines;
}

// The number, counted from 1, of the line where the first character after a position stands
// that is no white space.
int lineNumberAt(QByteArrayView data, qsizetype position)
{
    while (position < data.size() && QChar::isSpace(uchar(data[position])))
        ++position;
    return int(QByteArrayView(data.constData(), std::min(position, data.size())).count('\n')) + 1;
}

// A field name from a string literal, without a copy: the loader makes its fields anew for
// every file it reads.
template<qsizetype N>
QByteArray fieldName(const char (&text)[N])
{
    return QByteArray::fromRawData(text, N - 1);
}

// The newest format version this program reads in full.
constexpr int NewestKnownVersion[] = {2, 5, 6};

// The version a header line names ("#2.6.0 ..." gives "2.6.0") when it is newer than the newest
// format this program reads; empty for every other line. Parts of more than one digit count
// ("#10.0.0"), although the layout steps look at single characters only.
QString newerVersion(const std::string& header)
{
    size_t pos = 1;
    int parts[3] = {};
    for (int part = 0; part < 3; ++part) {
        if (part > 0) {
            if (pos >= header.size() || header[pos] != '.')
                return {};
            ++pos;
        }
        const size_t start = pos;
        while (pos < header.size() && pos - start < 6 && header[pos] >= '0' && header[pos] <= '9')
            parts[part] = parts[part] * 10 + (header[pos++] - '0');
        if (pos == start)
            return {};
    }
    if (!std::lexicographical_compare(std::begin(NewestKnownVersion), std::end(NewestKnownVersion), std::begin(parts),
                                      std::end(parts)))
        return {};
    return QStringLiteral("%1.%2.%3").arg(parts[0]).arg(parts[1]).arg(parts[2]);
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
    m_loadStoppedEarly = false;
    log(path, "LoadFromAsciiFile()");
    // A file that cannot be read takes no lock: the lock is taken once the file is open, and
    // given back when it cannot be read after all. Taking the lock tells the user what they
    // need to know about another holder.
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    if (isStockvane())
        LockDB(path);
    BusyScope busy(m_reporter);
    QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) {
        deleteLockFile();
        return false;
    }
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
    m_loadStoppedEarly = false;
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
    const int itemsBefore = count();
    // Where the data line being read starts.
    qsizetype lineStart = 0;
    const bool logItems = m_log && m_log->isEnabled();
    std::string header;
    // A newer format than this program knows may hold fields it does not read: the user is
    // told once per load, and the file is not saved over.
    QString newer;
    auto newerNote = [&]() {
        return tr("DB_NEWER_FORMAT_READ %1 %2").arg(newer, QDir::toNativeSeparators(path));
    };

    auto finish = [&]() {
        if (m_log) {
            m_log->EndLogItem();
            m_log->LogEntry(logPath, LogFileName, "LoadFromAsciiFile() - loaded");
        }
        if (!newer.isEmpty())
            m_reporter->warning(tr("DB_NEWER_FORMAT_TITLE"), newerNote());
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
                if (const QString named = newerVersion(header); !named.isEmpty() && newer.isEmpty()) {
                    newer = named;
                    m_newerFormatVersion = named;
                    m_newerFormatFile = path.isEmpty() ? QString() : QFileInfo(path).absoluteFilePath();
                }
                // Files of versions 2.5.4 to 2.5.6 name the product that wrote them.
                const bool tagged = major == '2' && minor == '5' && patch >= '4' && patch <= '6';
                if (tagged && header.find(variantTag(GetProgramVariant()).toStdString()) == std::string::npos) {
                    deleteLockFile();
                    return false;
                }
                continue;
            }

            lineStart = in.position();
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
        // The end of the file inside a line is its normal end only when nothing but white space
        // is left; a last line cut short is damage like any other.
        if (e.isEndOfFile() && QByteArrayView(data).sliced(lineStart).trimmed().isEmpty())
            return finish();
        // The items read so far stay; the file itself is remembered as held only in part, so
        // that saving over it can ask first.
        m_loadStoppedEarly = true;
        if (!path.isEmpty()) {
            m_partialFile = QFileInfo(path).absoluteFilePath();
            m_partialFileLines = dataLines(data);
        }
        m_reporter->critical(QStringLiteral("Database error"),
                             QString::fromLatin1(e.message()) + QStringLiteral("\n\n")
                                 + tr("DB_LOAD_STOPPED_AT_LINE %1 %2")
                                       .arg(count() - itemsBefore)
                                       .arg(lineNumberAt(data, lineStart))
                                 + (newer.isEmpty() ? QString() : QStringLiteral("\n\n") + newerNote()));
        return false;
    }
}

bool DBItemCollection::loadStoppedEarly() const
{
    return m_loadStoppedEarly;
}

int DBItemCollection::partialFileLines(const QString& path) const
{
    if (m_partialFile.isEmpty() || QFileInfo(path).absoluteFilePath() != m_partialFile)
        return -1;
    return m_partialFileLines;
}

QString DBItemCollection::newerFormatVersion(const QString& path) const
{
    if (m_newerFormatFile.isEmpty() || QFileInfo(path).absoluteFilePath() != m_newerFormatFile)
        return {};
    return m_newerFormatVersion;
}

bool DBItemCollection::refuseNewerFormat(const QString& path) const
{
    const QString version = newerFormatVersion(path);
    if (version.isEmpty())
        return false;
    m_reporter->warning(tr("DB_NEWER_FORMAT_TITLE"),
                        tr("DB_NEWER_FORMAT_NO_SAVE %1 %2").arg(version, QDir::toNativeSeparators(path)));
    return true;
}

void DBItemCollection::forgetPartialLoad()
{
    m_partialFile.clear();
    m_partialFileLines = 0;
}

// ---------------------------------------------------------------------------------------------
// Saving

bool DBItemCollection::SaveToFileAsAscii(const QString& path)
{
    if (m_readOnly) {
        m_reporter->warning(tr("READ ONLY"), tr("READ ONLY MODE - No Save"));
        return false;
    }
    if (refuseNewerFormat(path))
        return false;
    if (refuseLockedFolder(QFileInfo(path).absolutePath()))
        return false;

    // A save that fails half-way (a full disk, an unwritable folder) leaves the file on disk as
    // it was.
    log(path, "SaveToFileAsAscii()");
    if (m_log)
        m_log->BeginLogItem();
    FileWriteOutcome outcome;
    {
        BusyScope busy(m_reporter);
        const bool keepPrevious
            = openSettings()->value(QLatin1StringView(Setting::KeepPreviousVersion), Setting::KeepPreviousVersionDefault)
                  .toBool();
        outcome = writeFileSafely(
            path, [this](QIODevice& device) { return writeDatabase(device); }, keepPrevious);
    }
    if (m_log)
        m_log->EndLogItem();
    if (!outcome) {
        const QString note = outcome.note();
        reportSaveFailure(path, note.isEmpty() ? outcome.error : outcome.error + QStringLiteral("\n\n") + note);
        return false;
    }
    // The file now holds what the collection holds.
    if (partialFileLines(path) >= 0)
        forgetPartialLoad();
    return true;
}

bool DBItemCollection::writeDatabase(QIODevice& device, bool takeFileOrder)
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
                const QByteArray text = storableText(item.textView(Item::TextField(field)), keepLineBreaks);
                texts[field].setValue(std::string_view(text.constData(), size_t(text.size())));
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
    if (!takeFileOrder)
        return true;

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
// Lookup lists

namespace {

// Where each list lives below the database folder ("groups/groups.dk.txt"), and the message
// that names it when it cannot be written.
struct ListFile
{
    const char* folder;
    const char* messageKey;
};

const ListFile& listFile(DBItemCollection::ListKind kind)
{
    static const ListFile files[] = {
        {"groups", QT_TRANSLATE_NOOP("DBItemCollection", "Kan ikke gemme gruppe fil:")},
        {"location", QT_TRANSLATE_NOOP("DBItemCollection", "Kan ikke gemme lokale fil:")},
        {"supplier", QT_TRANSLATE_NOOP("DBItemCollection", "KAN_IKKE_GEMME_LEVERAND_FIL:")},
        {"fields", QT_TRANSLATE_NOOP("DBItemCollection", "KAN_IKKE_GEMME_FIELDS_FIL:")},
    };
    return files[int(kind)];
}

constexpr DBItemCollection::ListKind AllLists[] = {
    DBItemCollection::ListKind::Groups, DBItemCollection::ListKind::Locations,
    DBItemCollection::ListKind::Suppliers, DBItemCollection::ListKind::FieldLabels};

// The list file of a language: "<folder>/groups/groups.<language>.txt".
QString listPath(const QString& folder, DBItemCollection::ListKind kind, const QString& language)
{
    const QLatin1StringView name(listFile(kind).folder);
    return folder + u'/' + name + u'/' + name + u'.' + language + QStringLiteral(".txt");
}

// The language codes list files are found under: the Danish list under its old name first,
// then the three languages of the program.
constexpr const char* ListLanguages[] = {"da", "dk", "no", "en"};

// What an edit of a groups or locations list does to the same list in another language, where
// entry i is the same group or location: an entry that was added gets the new name at its
// position, one that was emptied is emptied, and entries removed from the end leave no empty
// entries behind. A rename is the language's own business.
QStringList followPositions(QStringList other, const QStringList& before, const QStringList& after)
{
    const qsizetype positions = std::max(before.size(), after.size());
    for (qsizetype p = 0; p < positions; ++p) {
        const QString was = before.value(p);
        const QString now = after.value(p);
        if (was.isEmpty() && !now.isEmpty()) {
            while (other.size() <= p)
                other.append(QString());
            other[p] = now;
        } else if (!was.isEmpty() && now.isEmpty() && p < other.size()) {
            other[p].clear();
        }
    }
    if (after.size() < before.size()) {
        while (other.size() > after.size() && other.last().isEmpty())
            other.removeLast();
    }
    return other;
}

} // namespace

bool DBItemCollection::MakeDynamicLists()
{
    const QString dbDir = m_databaseDir;
    const QString language = QString::fromLatin1(GetLanguage());
    log(dbDir, "MakeDynamicLists()");
    // What the files hold now replaces every change not yet written.
    m_unsavedLists.clear();

    m_groups.clear();
    m_locations.clear();
    m_suppliers.clear();
    m_fieldLabels.clear();
    if (dbDir.isEmpty())
        return true;

    // The list of the language from the database folder. When it is missing, the same list of
    // another language there: a database kept in one language has its lists in that one only,
    // and they are its own, unlike the program's fallbacks.
    auto load = [this, &dbDir, &language](ListKind kind, const QString& fallback) {
        LookupList& target = list(kind);
        const QString firstChoice = listPath(dbDir, kind, language);
        if (m_log)
            m_log->WriteElement("Loading", firstChoice.toLatin1());
        if (target.LoadFromFile(firstChoice))
            return true;
        if (m_log)
            m_log->WriteElement("WARNING", "Not found");
        for (const char* code : ListLanguages) {
            const QString other = QString::fromLatin1(code);
            if (other != language && target.LoadFromFile(listPath(dbDir, kind, other)))
                return true;
        }
        return !fallback.isEmpty() && target.LoadFromFile(fallback);
    };

    // A list the database folder has is always the database's own: items refer to its positions,
    // and an edit saves it back over the file. Only a list missing there comes from the
    // program's own folder.
    load(ListKind::Groups, dataPath(QStringLiteral("group/group.") + language + QStringLiteral(".txt")));
    load(ListKind::Locations, dataPath(QStringLiteral("location/location.") + language + QStringLiteral(".txt")));
    load(ListKind::Suppliers, dataPath(QStringLiteral("db/DemoDBStd//supplier/supplier.") + language + QStringLiteral(".txt")));
    load(ListKind::FieldLabels, dataPath(QStringLiteral("db/DemoDBStd//fields/fields.") + language + QStringLiteral(".txt")));
    return true;
}

QString DBItemCollection::saveListFile(ListKind kind, const LookupList& entries, const QString& path) const
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    FileWriteOutcome outcome;
    if (entries.SaveToFile(path, &outcome))
        return {};
    const QString note = outcome.note();
    return tr(listFile(kind).messageKey) + QDir::toNativeSeparators(path)
        + (note.isEmpty() ? QString() : QStringLiteral("\n") + note);
}

void DBItemCollection::reportListFailures(const QStringList& failures) const
{
    // One box for all list files a command could not write.
    if (!failures.isEmpty())
        m_reporter->critical(tr("Fil fejl"), failures.join(QStringLiteral("\n\n")));
}

bool DBItemCollection::saveLookupLists()
{
    // A new database has no folder yet; its lists go with it when it is first saved.
    return m_databaseDir.isEmpty() || saveLookupLists(m_databaseDir);
}

bool DBItemCollection::saveLookupLists(const QString& folder)
{
    if (refuseLockedFolder(folder))
        return false;
    const QString language = QString::fromLatin1(GetLanguage());
    QStringList failures;
    for (const ListKind kind : AllLists) {
        if (QString failure = saveListFile(kind, list(kind), listPath(folder, kind, language)); !failure.isEmpty())
            failures.append(failure);
    }
    reportListFailures(failures);
    return failures.isEmpty();
}

bool DBItemCollection::saveLookupList(ListKind kind, const QStringList& entries)
{
    // A copy: the list's own entries change as it is written.
    const QStringList before = list(kind).entries();
    return writeLookupList(kind, entries, before);
}

bool DBItemCollection::writeLookupList(ListKind kind, const QStringList& entries, const QStringList& before)
{
    if (!m_databaseDir.isEmpty() && refuseLockedFolder(m_databaseDir))
        return false;
    LookupList& target = list(kind);
    target.setEntries(entries);
    if (m_databaseDir.isEmpty())
        return true;

    const QString language = QString::fromLatin1(GetLanguage());
    QStringList failures;
    if (QString failure = saveListFile(kind, target, listPath(m_databaseDir, kind, language)); !failure.isEmpty())
        failures.append(failure);
    if (kind == ListKind::Groups || kind == ListKind::Locations) {
        for (const char* code : ListLanguages) {
            const QString path = listPath(m_databaseDir, kind, QString::fromLatin1(code));
            LookupList other(target.maxEntries());
            if (language == QLatin1StringView(code) || !other.LoadFromFile(path))
                continue;
            const QStringList followed = followPositions(other.entries(), before, entries);
            if (followed == other.entries())
                continue;
            other.setEntries(followed);
            if (QString failure = saveListFile(kind, other, path); !failure.isEmpty())
                failures.append(failure);
        }
    }
    reportListFailures(failures);
    return failures.isEmpty();
}
