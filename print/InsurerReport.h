#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>
#include <vector>

class DBItemCollection;
class Item;
class QPagedPaintDevice;

// The settings of the product that the report for the insurer reads: who owns the items.
namespace InsurerSetting {
inline constexpr char OwnerName[] = "InsurerReport/OwnerName";
inline constexpr char OwnerAddress[] = "InsurerReport/OwnerAddress";
} // namespace InsurerSetting

// A report to hand to an insurer: a cover with the owner, the date and the totals, then every
// item with its photo, the fields an insurer asks for and whether a receipt is linked, grouped by
// group with a subtotal after each group and a grand total at the end. Every page carries the
// title, the date and its number.
//
// The figures follow the group summary: the purchase value is number of items x price, the value
// today the sum of the prices today, never multiplied. In Pictova the number field holds a
// registration number: it is printed as it is and never multiplies anything.
class InsurerReport
{
    Q_DECLARE_TR_FUNCTIONS(InsurerReport)

public:
    // The longest side of a photo and of a receipt's picture as they are embedded, in pixels, at
    // most (a photo of 4000 x 3000 pixels is embedded at 500 x 375): sharp at the printed size,
    // small enough to keep a report of hundreds of items light.
    static constexpr int PhotoPixels = 600;
    static constexpr int ReceiptPixels = 240;

    // The captions of the list's columns (0 to 20) as the field labels name them.
    using Captions = QStringList;
    static Captions listCaptions();

    struct Owner
    {
        QString name;
        QString address;
    };
    // The owner as entered in the common set-up.
    static Owner storedOwner();

    // What the report covers, said on the cover: empty for the whole database.
    struct Scope
    {
        QString description;
    };

    // The items are reported in the order of their groups' names, by name within a group; items
    // of a group the list does not have come last, under the list's name for them.
    InsurerReport(const DBItemCollection& collection, const std::vector<const Item*>& items,
                  const QString& databaseName, const Captions& captions, const Owner& owner,
                  const QString& scope = QString(), const QDate& date = QDate::currentDate());
    ~InsurerReport();

    // Told how many of the items' pictures have been read, every tenth of a second while they
    // are read; returns false to stop reading.
    using Progress = std::function<bool(int done, int total)>;
    // Reads the photos and the receipts' pictures, scaled down, on all processor cores.
    // Painting reads none: it uses what was read here. Without it the items print without
    // pictures. False when progress stopped it (the pictures read so far are kept).
    bool loadPictures(const Progress& progress = {});

    int itemCount() const;
    // The totals on the cover and at the end.
    double purchaseTotal() const;
    double valueTodayTotal() const;

    // Paints the report on the device; false when it cannot be painted on. pages, when given, is
    // told how many pages were printed.
    bool render(QPagedPaintDevice& device, int* pages = nullptr) const;

    // One reported item: its texts as printed and its pictures.
    struct Entry
    {
        const Item* item = nullptr;
        int group = 0;
        QString photoPath;
        QString receiptPath;
        // The pictures as JPEG data at most PhotoPixels (ReceiptPixels) on the longest side;
        // empty when there is none or it cannot be read.
        QByteArray photo;
        QByteArray receiptPicture;
        bool photoFound = false;
        bool receiptFound = false;
    };
    struct Group
    {
        QString name;
        std::vector<Entry> entries;
        double purchase = 0.0;
        double valueToday = 0.0;
    };

private:
    struct Block;
    struct Layout;
    std::vector<Block> layoutBlocks(const Layout& layout, QPagedPaintDevice& device) const;
    // The label and value lines of an item, as printed beside its photo.
    std::vector<std::pair<QString, QString>> itemLines(const Entry& entry) const;
    QString totalLine(const QString& label, int items, double purchase, double valueToday) const;
    QString amount(double value) const;

    const DBItemCollection& m_collection;
    QString m_databaseName;
    Captions m_captions;
    Owner m_owner;
    QString m_scope;
    QDate m_date;
    std::vector<Group> m_groups;
    int m_itemCount = 0;
    double m_purchase = 0.0;
    double m_valueToday = 0.0;
};
