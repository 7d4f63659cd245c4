#pragma once

#include <QString>
#include <QStringList>

class DBItemCollection;
class Item;
class ItemListView;
class LogXML;

// Barcode labels: a label template is filled with a barcode number (and, if wanted, a name),
// the filled labels of one print job are collected in the label file, and the label file is
// sent unchanged to the label printer.

// The files below the working directory that say what a label looks like and where it goes.
namespace BarcodeFile {
inline constexpr char ItemTemplate[] = "Setup/BarcodeFormatFile.txt";
inline constexpr char LocationTemplate[] = "Setup/BarcodeFormatLocationFile.txt";
// Its whole content names the printer: a print queue, or a device path beginning with "/".
inline constexpr char PrinterDevice[] = "Setup/PrinterDevice.txt";
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
} // namespace BarcodeSetting

// The label file of the print jobs: "Work/BarcodeFile.txt" in the per-user data folder. The
// "Work" folder is created when it is missing.
QString barcodeLabelFilePath();

// A barcode number: filled with "0" on the left to six characters, never cut.
QString barcodeNumber(const QString& number);

// Fills a label template: "%1" gets the number, "%2" the second value (the number again when
// there is none) and "%3" the name. The values go to the placeholders present from the lowest
// number up, as the toolkit's arg() does, but in one pass, so a value that itself holds "%2" is
// printed as it is. Without a name an unfilled "%3" is left empty rather than printed.
QString fillLabelTemplate(const QString& templateText, const QString& number, const QString* secondValue,
                          const QString* name);

// Fills the template file (Latin-1; a missing one counts as empty) and appends the label to the
// label file in Latin-1. The second value, the name and the log may be null. False when the
// label file could not be written.
bool ExportToBarcodeFile(const QString& templateFile, const QString& labelFile, const QString& number,
                         const QString* secondValue, const QString* name, LogXML* log);

// Starts the label file of a new print job by removing the one of the last job, whose labels
// must not go out again. False, with a warning in the debug output, when it stays.
bool startLabelFile(const QString& labelFile);

// Appends the label of an item (its serial number, and its name cut to the set length when
// names are switched on) to the label file.
bool AppendItemLabel(const QString& labelFile, const Item& item, LogXML* log);
// Appends the label of a location: its position in the groups list, and the name given cut to
// the set length when location names are switched on.
bool AppendLocationLabel(const QString& labelFile, int position, const QString& name, LogXML* log);

// The program and its arguments that send a label file to a printer: a device path (beginning
// with "/") gets the bytes copied to it, anything else names a print queue that takes the file
// raw. The first entry is the program.
QStringList printCommand(const QString& labelFile, const QString& device);

// Sends the label file to the printer named in the printer device file, without waiting for it.
// Returns whether the sending program was started; with no printer named nothing is started.
bool PrintBarcode(const QString& labelFile, LogXML* log);

// The print-barcode command of the main window: starts a new label file and prints the label
// of the current item, or the labels of all items of the current group row. Returns whether
// labels were sent to the printer.
bool PrintBarcodeCommand(ItemListView& list, const DBItemCollection& collection, LogXML* log);
