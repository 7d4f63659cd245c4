#pragma once

#include <QObject>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <QTemporaryFile>

#include <functional>

class DBItemCollection;
class Item;
class ItemListView;
class LogXML;

// Barcode labels: a label template is filled with a barcode number (and, if wanted, a name),
// the filled labels of one print job are collected in a label file of that job, and the label
// file is sent unchanged to the label printer.

// The files of the label set-up that say what a label looks like and where it goes. Each is
// taken from the user's own set-up folder (~/.config/Quorvane/Setup) when it is there, else
// from "Setup" in the program's data folder (setupFilePath).
namespace BarcodeFile {
inline constexpr char ItemTemplate[] = "BarcodeFormatFile.txt";
inline constexpr char LocationTemplate[] = "BarcodeFormatLocationFile.txt";
// Its whole content names the printer used when none is chosen in the set-up: a print queue,
// or a device path beginning with "/".
inline constexpr char PrinterDevice[] = "PrinterDevice.txt";
} // namespace BarcodeFile

// The settings keys of the labels, with their defaults.
namespace BarcodeSetting {
inline constexpr char EnableNameOnLabels[] = "EnableNameOnLabels";
inline constexpr bool EnableNameOnLabelsDefault = false;
inline constexpr char ItemNameLabelLength[] = "BarcodeItemNameLabelLength";
inline constexpr int ItemNameLabelLengthDefault = 10;
inline constexpr char EnableLocationNameOnLabels[] = "EnableLocationNameOnLabels";
inline constexpr bool EnableLocationNameOnLabelsDefault = false;
// The stored key is spelled "Labe"; settings written by earlier versions use it.
inline constexpr char LocationNameLabelLength[] = "BarcodeLocationNameLabeLength";
inline constexpr int LocationNameLabelLengthDefault = 10;
// The print queue (or device path) chosen for labels; empty or missing: the printer device file.
inline constexpr char PrinterQueue[] = "LabelPrinterQueue";
} // namespace BarcodeSetting

// The folder the label files of the print jobs are made in: "Work" in the per-user data folder,
// created when it is missing.
QString barcodeWorkFolder();

// A barcode number: filled with "0" on the left to six characters, never cut.
QString barcodeNumber(const QString& number);

// The characters the printer's language takes as the start of a command in a template: "^"
// and "~", and those the template itself sets instead (^CC, ~CC, ^CT, ~CT).
QString labelCommandPrefixes(const QString& templateText);

// Fills a label template: "%1" gets the number, "%2" the second value (the number again when
// there is none) and "%3" the name. The values go to the placeholders present from the lowest
// number up, as the toolkit's arg() does, but in one pass, so a value that itself holds "%2" is
// printed as it is. Without a name an unfilled "%3" is left empty rather than printed.
//
// The values are data, never commands to the printer: every command character of the template's
// language and every control character in them is printed as a space.
QString fillLabelTemplate(const QString& templateText, const QString& number, const QString* secondValue,
                          const QString* name);

// Fills the template file (Latin-1) and appends the label to the label file in Latin-1. The
// second value, the name, the log and error may be null. False, with the reason in error, when
// the template cannot be read or the label file cannot be written.
bool ExportToBarcodeFile(const QString& templateFile, const QString& labelFile, const QString& number,
                         const QString* secondValue, const QString* name, LogXML* log, QString* error = nullptr);

// Appends the label of an item (its serial number, and its name cut to the set length when
// names are switched on) to the label file.
bool AppendItemLabel(const QString& labelFile, const Item& item, LogXML* log, QString* error = nullptr);
// Appends the label of a location: its position in the groups list, and the name given cut to
// the set length when location names are switched on.
bool AppendLocationLabel(const QString& labelFile, int position, const QString& name, LogXML* log,
                         QString* error = nullptr);

// The printer named in the printer device file; empty when it names none.
QString defaultLabelPrinter();
// The printer labels go to: the one chosen in the set-up, else the one named in the printer
// device file; empty when neither names one.
QString labelPrinter();

// The program and its arguments that send a label file to a printer: a device path (beginning
// with "/") gets the bytes copied to it, anything else names a print queue that takes the file
// raw. The first entry is the program.
QStringList printCommand(const QString& labelFile, const QString& device);

// One print job of labels: a label file of its own in the Work folder, so that jobs given one
// after the other never mix, and the program that sends it to the printer, watched until it
// ends without making the window wait. Every problem is shown in a box. The job removes its
// label file and deletes itself when it is over.
class LabelPrintJob : public QObject
{
    Q_OBJECT

public:
    // Makes a job, fills its label file with fill (which appends the labels and returns false,
    // with the reason, when it cannot) and sends it to the printer. Returns the job while its
    // labels are being sent, nullptr when nothing was sent (the reason has been shown).
    static LabelPrintJob* print(const std::function<bool(const QString& labelFile, QString& error)>& fill, LogXML* log);

    ~LabelPrintJob() override;

    QString labelFile() const;

Q_SIGNALS:
    // The sending program has ended; printed tells whether it took the labels.
    void finished(bool printed);

private:
    explicit LabelPrintJob(LogXML* log);
    bool start();
    void processEnded(int exitCode, QProcess::ExitStatus status);
    void processFailed(QProcess::ProcessError error);
    void end(bool printed);

    LogXML* m_log;
    QTemporaryFile m_file;
    QProcess m_process;
    QString m_command;
    bool m_ended = false;
};

// Prints the label of a location (see AppendLocationLabel); false when nothing was sent.
bool PrintLocationLabel(int position, const QString& name, LogXML* log);

// The print-barcode command of the main window: prints the labels of the rows the user has
// selected, in the order the list shows them: for an item row its label, for a group row the
// labels of all items of the group, each item once. Returns whether labels are being sent.
bool PrintBarcodeCommand(ItemListView& list, const DBItemCollection& collection, LogXML* log);
