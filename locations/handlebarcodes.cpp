#include "handlebarcodes.h"

#include "DBItemCollection.h"
#include "DataPaths.h"
#include "ItemListView.h"
#include "LogXML.h"
#include "MessageBoxes.h"
#include "ProgramVariant.h"
#include "Settings.h"
#include "funiQListViewItem.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTreeWidgetItemIterator>

#include <algorithm>
#include <map>
#include <optional>
#include <set>
#include <vector>

namespace {

constexpr char LogFileName[] = "handlebarcodes";
constexpr char WindowLogFileName[] = "hestivawindow";

// The whole content of a Latin-1 file; nothing when it cannot be read.
std::optional<QString> readLatin1(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray bytes = file.readAll();
    if (file.error() != QFileDevice::NoError)
        return std::nullopt;
    return QString::fromLatin1(bytes);
}

// The value of an ASCII digit at a position; -1 for anything else or beyond the end.
int asciiDigit(const QString& text, qsizetype position)
{
    if (position >= text.size())
        return -1;
    const char16_t c = text.at(position).unicode();
    return c >= u'0' && c <= u'9' ? c - u'0' : -1;
}

void logEntry(LogXML* log, const QString& entry, const char* fileName, const char* function)
{
    if (log)
        log->LogEntry(entry.toLatin1(), fileName, function);
}

void setError(QString* error, const QString& text)
{
    if (error)
        *error = text;
}

void showProblem(const QString& text)
{
    MessageBoxes::warning(nullptr, LabelPrintJob::tr("LABEL_PRINT_TITLE"), text);
}

// A value as it may stand in a label: every command character and control character printed
// as a space. A space, not nothing: "12^3" must not become the number of item 123.
QString labelValue(QString value, const QString& prefixes)
{
    for (QChar& c : value) {
        if (c.unicode() < 0x20 || c.unicode() == 0x7f || prefixes.contains(c))
            c = u' ';
    }
    return value;
}

// Fills a template with a barcode number and, when its switch is on, the name cut to the length
// set; item and location labels differ only in the template and the settings keys.
bool appendLabel(const QString& labelFile, const char* templateFile, const QString& number, const QString& name,
                 const char* enableKey, bool enableDefault, const char* lengthKey, int lengthDefault, LogXML* log,
                 QString* error)
{
    const QString templatePath = setupFilePath(QLatin1StringView(templateFile));
    const auto settings = openSettings();
    if (!settings->value(QLatin1StringView(enableKey), enableDefault).toBool())
        return ExportToBarcodeFile(templatePath, labelFile, number, &number, nullptr, log, error);
    const int length = settings->value(QLatin1StringView(lengthKey), lengthDefault).toInt();
    const QString shortName = name.left(std::max(length, 0));
    return ExportToBarcodeFile(templatePath, labelFile, number, &number, &shortName, log, error);
}

} // namespace

QString barcodeWorkFolder()
{
    QString base = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (base.isEmpty())
        base = GetLastDBDir();
    const QString work = base + QStringLiteral("/Work");
    QDir().mkpath(work);
    return work;
}

QString barcodeNumber(const QString& number)
{
    return number.rightJustified(6, u'0');
}

QString labelCommandPrefixes(const QString& templateText)
{
    // The label language starts its commands with "^" and "~"; a template may name other
    // characters for them (^CC and ~CC for "^", ^CT and ~CT for "~"), with whichever prefix is
    // in force, so the search is repeated until it finds no new one.
    QString prefixes = QStringLiteral("^~");
    for (bool grown = true; grown;) {
        grown = false;
        for (qsizetype i = 0; i + 3 < templateText.size(); ++i) {
            if (!prefixes.contains(templateText.at(i)))
                continue;
            const QStringView command = QStringView(templateText).mid(i + 1, 2);
            const QChar prefix = templateText.at(i + 3);
            if ((command.compare(u"CC", Qt::CaseInsensitive) == 0 || command.compare(u"CT", Qt::CaseInsensitive) == 0)
                && !prefixes.contains(prefix)) {
                prefixes += prefix;
                grown = true;
            }
        }
    }
    return prefixes;
}

QString fillLabelTemplate(const QString& templateText, const QString& number, const QString* secondValue,
                          const QString* name)
{
    struct Placeholder
    {
        qsizetype position;
        qsizetype length;
        int number;
    };
    // "%1" to "%99", as the toolkit reads them.
    std::vector<Placeholder> found;
    std::set<int> numbers;
    for (qsizetype i = 0; i < templateText.size(); ++i) {
        const int first = templateText.at(i) == u'%' ? asciiDigit(templateText, i + 1) : -1;
        if (first < 0)
            continue;
        const int second = asciiDigit(templateText, i + 2);
        const int value = second < 0 ? first : first * 10 + second;
        const qsizetype length = second < 0 ? 2 : 3;
        if (value == 0)
            continue;
        found.push_back({ i, length, value });
        numbers.insert(value);
        i += length - 1;
    }

    const QString prefixes = labelCommandPrefixes(templateText);
    QStringList arguments{ labelValue(number, prefixes), labelValue(secondValue ? *secondValue : number, prefixes) };
    if (name)
        arguments.append(labelValue(*name, prefixes));
    // The lowest placeholder present gets the first value, the next one the second, and so on.
    std::map<int, QString> filled;
    auto argument = arguments.cbegin();
    for (auto placeholder = numbers.cbegin(); placeholder != numbers.cend() && argument != arguments.cend();
         ++placeholder, ++argument)
        filled.emplace(*placeholder, *argument);
    // A template made for names would otherwise print "%3" on every label when names are off.
    if (!name)
        filled.emplace(3, QString());

    QString result;
    qsizetype copied = 0;
    for (const Placeholder& placeholder : found) {
        const auto value = filled.find(placeholder.number);
        if (value == filled.end())
            continue;
        result += QStringView(templateText).mid(copied, placeholder.position - copied);
        result += value->second;
        copied = placeholder.position + placeholder.length;
    }
    result += QStringView(templateText).mid(copied);
    return result;
}

bool ExportToBarcodeFile(const QString& templateFile, const QString& labelFile, const QString& number,
                         const QString* secondValue, const QString* name, LogXML* log, QString* error)
{
    qDebug("BarcodeID %s", qPrintable(number));
    // Without its template no label can be made: blank labels would go out without a word.
    const std::optional<QString> templateText = readLatin1(templateFile);
    if (!templateText) {
        setError(error,
                 LabelPrintJob::tr("LABEL_TEMPLATE_NOT_READ %1").arg(QFileInfo(templateFile).absoluteFilePath()));
        return false;
    }
    const QString label = fillLabelTemplate(*templateText, number, secondValue, name);

    QFile file(labelFile);
    bool written = file.open(QIODevice::WriteOnly | QIODevice::Append);
    if (written) {
        const QByteArray bytes = label.toLatin1();
        written = file.write(bytes) == bytes.size() && file.flush();
        file.close();
        written = written && file.error() == QFileDevice::NoError;
    }
    if (!written)
        setError(error, LabelPrintJob::tr("LABEL_FILE_NOT_WRITTEN %1 %2").arg(labelFile, file.errorString()));
    logEntry(log, label, LogFileName, "ExportToBarcodeFile");
    logEntry(log, labelFile, LogFileName, "ExportToBarcodeFile");
    return written;
}

bool AppendItemLabel(const QString& labelFile, const Item& item, LogXML* log, QString* error)
{
    using namespace BarcodeSetting;
    return appendLabel(labelFile, BarcodeFile::ItemTemplate, barcodeNumber(item.serialno()), item.name(),
                       EnableNameOnLabels, EnableNameOnLabelsDefault, ItemNameLabelLength, ItemNameLabelLengthDefault,
                       log, error);
}

bool AppendLocationLabel(const QString& labelFile, int position, const QString& name, LogXML* log, QString* error)
{
    using namespace BarcodeSetting;
    return appendLabel(labelFile, BarcodeFile::LocationTemplate, barcodeNumber(QString::number(position)), name,
                       EnableLocationNameOnLabels, EnableLocationNameOnLabelsDefault, LocationNameLabelLength,
                       LocationNameLabelLengthDefault, log, error);
}

QString defaultLabelPrinter()
{
    QString device = readLatin1(setupFilePath(QLatin1StringView(BarcodeFile::PrinterDevice))).value_or(QString());
    // The file holds the name and nothing else; a line end an editor added is no part of it.
    while (device.endsWith(u'\n') || device.endsWith(u'\r'))
        device.chop(1);
    return device;
}

QString labelPrinter()
{
    const QString chosen = openSettings()->value(QLatin1StringView(BarcodeSetting::PrinterQueue)).toString().trimmed();
    return chosen.isEmpty() ? defaultLabelPrinter() : chosen;
}

QStringList printCommand(const QString& labelFile, const QString& device)
{
    // Never through a shell: the names go to the program as they are, whatever they hold.
    if (device.startsWith(u'/'))
        return { QStringLiteral("cp"), QStringLiteral("--"), labelFile, device };
    return { QStringLiteral("lp"),  QStringLiteral("-d"), device,   QStringLiteral("-o"),
             QStringLiteral("raw"), QStringLiteral("--"), labelFile };
}

LabelPrintJob* LabelPrintJob::print(const std::function<bool(const QString& labelFile, QString& error)>& fill,
                                    LogXML* log)
{
    // The job lives until its program ends, whatever window asked for it.
    auto* job = new LabelPrintJob(log);
    job->setParent(QCoreApplication::instance());
    if (!job->m_file.open()) {
        showProblem(tr("LABEL_FILE_NOT_WRITTEN %1 %2").arg(job->m_file.fileTemplate(), job->m_file.errorString()));
        delete job;
        return nullptr;
    }
    job->m_file.close(); // the labels are appended by name; the file stays until the job ends
    QString error;
    if (!fill(job->labelFile(), error)) {
        showProblem(error);
        delete job;
        return nullptr;
    }
    if (!job->start()) {
        delete job;
        return nullptr;
    }
    // A program that could not be started at all may have been told of already.
    return job->m_ended ? nullptr : job;
}

LabelPrintJob::LabelPrintJob(LogXML* log)
    : m_log(log)
    , m_file(barcodeWorkFolder() + QStringLiteral("/BarcodeFile-XXXXXX.txt"))
{
}

LabelPrintJob::~LabelPrintJob() = default;

QString LabelPrintJob::labelFile() const
{
    return m_file.fileName();
}

bool LabelPrintJob::start()
{
    const QString printer = labelPrinter();
    if (printer.isEmpty()) {
        // The installed file is not the user's to change: the own set-up folder is named.
        const QString deviceFile = userSetupDir() + u'/' + QLatin1StringView(BarcodeFile::PrinterDevice);
        showProblem(tr("NO_LABEL_PRINTER %1").arg(deviceFile));
        logEntry(m_log, QStringLiteral("No printer named in %1").arg(setupFilePath(QLatin1StringView(BarcodeFile::PrinterDevice))),
                 LogFileName, "PrintBarcode");
        return false;
    }
    QStringList arguments = printCommand(labelFile(), printer);
    const QString program = arguments.takeFirst();
    m_command = program + u' ' + arguments.join(u' ');
    connect(&m_process, &QProcess::finished, this, &LabelPrintJob::processEnded);
    connect(&m_process, &QProcess::errorOccurred, this, &LabelPrintJob::processFailed);
    logEntry(m_log, m_command, LogFileName, "PrintBarcode");
    m_process.start(program, arguments, QIODevice::ReadOnly);
    return true;
}

void LabelPrintJob::processEnded(int exitCode, QProcess::ExitStatus status)
{
    if (status == QProcess::NormalExit && exitCode == 0) {
        end(true);
        return;
    }
    QString output = QString::fromLocal8Bit(m_process.readAllStandardError()).trimmed();
    if (output.isEmpty())
        output = QString::fromLocal8Bit(m_process.readAllStandardOutput()).trimmed();
    const QString result = status == QProcess::NormalExit ? QString::number(exitCode) : m_process.errorString();
    showProblem(tr("LABEL_PRINT_FAILED %1 %2 %3").arg(m_command, result, output));
    end(false);
}

void LabelPrintJob::processFailed(QProcess::ProcessError error)
{
    // A program that ran and failed is told of when it ends.
    if (error != QProcess::FailedToStart)
        return;
    showProblem(tr("LABEL_PRINT_NOT_STARTED %1 %2").arg(m_command, m_process.errorString()));
    end(false);
}

void LabelPrintJob::end(bool printed)
{
    if (m_ended)
        return;
    m_ended = true;
    logEntry(m_log,
             printed ? QStringLiteral("Printed: %1").arg(m_command) : QStringLiteral("Not printed: %1").arg(m_command),
             LogFileName, "PrintBarcode");
    Q_EMIT finished(printed);
    deleteLater();
}

bool PrintLocationLabel(int position, const QString& name, LogXML* log)
{
    return LabelPrintJob::print(
               [&](const QString& labelFile, QString& error) {
                   return AppendLocationLabel(labelFile, position, name, log, &error);
               },
               log)
        != nullptr;
}

bool PrintBarcodeCommand(ItemListView& list, const DBItemCollection& /*collection*/, LogXML* log)
{
    // Only rows the user sees selected: after a load the list's current row can be one that
    // nobody chose, and its labels would be printed unasked.
    std::vector<const Item*> items;
    std::set<const Item*> taken;
    const auto take = [&](const Item* item) {
        if (item && taken.insert(item).second)
            items.push_back(item);
    };
    bool groupRow = false;
    for (QTreeWidgetItemIterator row(&list, QTreeWidgetItemIterator::Selected); *row; ++row) {
        if (!funiQListViewItem::isGroupRow(*row)) {
            take(funiQListViewItem::itemOf(*row));
            continue;
        }
        // A group row prints the items hanging under it: its name may be empty or repeated,
        // so looking the group up by name could print another group's labels.
        groupRow = true;
        // Rows the quick filter hides are left out: only what the user sees is printed.
        for (int child = 0; child < (*row)->childCount(); ++child) {
            if (!(*row)->child(child)->isHidden())
                take(funiQListViewItem::itemOf((*row)->child(child)));
        }
    }
    if (items.empty())
        return false;

    LabelPrintJob* job = LabelPrintJob::print(
        [&](const QString& labelFile, QString& error) {
            // A half-written job is not printed: the labels would be missing without a word.
            return std::all_of(items.cbegin(), items.cend(),
                               [&](const Item* item) { return AppendItemLabel(labelFile, *item, log, &error); });
        },
        log);
    if (!job)
        return false;
    logEntry(log, job->labelFile(), WindowLogFileName,
             groupRow || items.size() > 1 ? "PrintBarcode - group" : "PrintBarcode - one item");
    return true;
}
