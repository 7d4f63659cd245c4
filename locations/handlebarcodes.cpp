#include "handlebarcodes.h"

#include "DBItemCollection.h"
#include "ItemListView.h"
#include "LogXML.h"
#include "ProgramVariant.h"
#include "Settings.h"
#include "ShellHelpers.h"
#include "funiQListViewItem.h"

#include <QDebug>
#include <QDir>
#include <QFile>
#include <QStandardPaths>

#include <algorithm>
#include <map>
#include <set>
#include <vector>

namespace {

constexpr char LogFileName[] = "handlebarcodes";
constexpr char WindowLogFileName[] = "hestivawindow";

// The whole content of a Latin-1 file; empty when it cannot be read.
QString readLatin1(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromLatin1(file.readAll());
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

// Fills a template with a barcode number and, when its switch is on, the name cut to the length
// set; item and location labels differ only in the template and the settings keys.
bool appendLabel(const QString& labelFile, const char* templateFile, const QString& number, const QString& name,
                 const char* enableKey, bool enableDefault, const char* lengthKey, int lengthDefault, LogXML* log)
{
    const QString templatePath = QLatin1StringView(templateFile);
    const auto settings = openSettings();
    if (!settings->value(QLatin1StringView(enableKey), enableDefault).toBool())
        return ExportToBarcodeFile(templatePath, labelFile, number, &number, nullptr, log);
    const int length = settings->value(QLatin1StringView(lengthKey), lengthDefault).toInt();
    const QString shortName = name.left(std::max(length, 0));
    return ExportToBarcodeFile(templatePath, labelFile, number, &number, &shortName, log);
}

} // namespace

QString barcodeLabelFilePath()
{
    QString base = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (base.isEmpty())
        base = GetLastDBDir();
    const QString work = base + QStringLiteral("/Work");
    QDir().mkpath(work);
    return work + QStringLiteral("/BarcodeFile.txt");
}

QString barcodeNumber(const QString& number)
{
    return number.rightJustified(6, u'0');
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

    QStringList arguments{ number, secondValue ? *secondValue : number };
    if (name)
        arguments.append(*name);
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
                         const QString* secondValue, const QString* name, LogXML* log)
{
    qDebug("BarcodeID %s", qPrintable(number));
    const QString label = fillLabelTemplate(readLatin1(templateFile), number, secondValue, name);

    // The label file collects the labels of one print job; it is started afresh by each job.
    QFile file(labelFile);
    bool written = file.open(QIODevice::WriteOnly | QIODevice::Append);
    if (written) {
        const QByteArray bytes = label.toLatin1();
        written = file.write(bytes) == bytes.size() && file.flush();
        file.close();
        written = written && file.error() == QFileDevice::NoError;
    }
    logEntry(log, label, LogFileName, "ExportToBarcodeFile");
    logEntry(log, labelFile, LogFileName, "ExportToBarcodeFile");
    return written;
}

bool startLabelFile(const QString& labelFile)
{
    if (QFile::exists(labelFile) && !QFile::remove(labelFile)) {
        qWarning("Cannot remove the label file %s", qPrintable(labelFile));
        return false;
    }
    return true;
}

bool AppendItemLabel(const QString& labelFile, const Item& item, LogXML* log)
{
    using namespace BarcodeSetting;
    return appendLabel(labelFile, BarcodeFile::ItemTemplate, barcodeNumber(item.serialno()), item.name(),
                       EnableNameOnLabels, EnableNameOnLabelsDefault, ItemNameLabelLength, ItemNameLabelLengthDefault,
                       log);
}

bool AppendLocationLabel(const QString& labelFile, int position, const QString& name, LogXML* log)
{
    using namespace BarcodeSetting;
    return appendLabel(labelFile, BarcodeFile::LocationTemplate, barcodeNumber(QString::number(position)), name,
                       EnableLocationNameOnLabels, EnableLocationNameOnLabelsDefault, LocationNameLabelLength,
                       LocationNameLabelLengthDefault, log);
}

QStringList printCommand(const QString& labelFile, const QString& device)
{
    // Never through a shell: the names go to the program as they are, whatever they hold.
    if (device.startsWith(u'/'))
        return { QStringLiteral("cp"), QStringLiteral("--"), labelFile, device };
    return { QStringLiteral("lp"),  QStringLiteral("-d"), device,   QStringLiteral("-o"),
             QStringLiteral("raw"), QStringLiteral("--"), labelFile };
}

bool PrintBarcode(const QString& labelFile, LogXML* log)
{
    QString device = readLatin1(QLatin1StringView(BarcodeFile::PrinterDevice));
    // The file holds the name and nothing else; a line end an editor added is no part of it.
    while (device.endsWith(u'\n') || device.endsWith(u'\r'))
        device.chop(1);
    if (device.isEmpty()) {
        logEntry(log, QStringLiteral("No printer named in %1").arg(QLatin1StringView(BarcodeFile::PrinterDevice)),
                 LogFileName, "PrintBarcode");
        return false;
    }
    QStringList arguments = printCommand(labelFile, device);
    const QString program = arguments.takeFirst();
    const bool started = StartProgram(program, arguments);
    logEntry(log, program + u' ' + arguments.join(u' '), LogFileName, "PrintBarcode");
    return started;
}

bool PrintBarcodeCommand(ItemListView& list, const DBItemCollection& collection, LogXML* log)
{
    const QString labelFile = barcodeLabelFilePath();
    if (!startLabelFile(labelFile))
        return false;
    logEntry(log, labelFile, WindowLogFileName, "MainWindow::PrintBarcode - QFile::remove");

    // Only a row the user sees selected: after a load the list's current row can be one that
    // nobody chose, and its labels would be printed unasked.
    QTreeWidgetItem* row = list.isItemSelected();
    if (!row || !row->isSelected())
        return false;

    if (funiQListViewItem::isGroupRow(row)) {
        const int group = collection.groups().indexOf(row->text(0));
        if (group < 0)
            return false;
        int labels = 0;
        for (const auto& item : collection.items()) {
            qDebug() << item->name();
            if (item->type() != group)
                continue;
            // A half-written job is not printed: the labels would be missing without a word.
            if (!AppendItemLabel(labelFile, *item, log))
                return false;
            ++labels;
        }
        if (labels == 0)
            return false;
        const bool started = PrintBarcode(labelFile, log);
        logEntry(log, labelFile, WindowLogFileName, "PrintBarcode - group");
        return started;
    }

    const Item* item = funiQListViewItem::itemOf(row);
    if (!item || !AppendItemLabel(labelFile, *item, log))
        return false;
    const bool started = PrintBarcode(labelFile, log);
    logEntry(log, labelFile, WindowLogFileName, "PrintBarcode - one item");
    return started;
}
