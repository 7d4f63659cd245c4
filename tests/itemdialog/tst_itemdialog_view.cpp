// The item dialog, driven as a user would: search by example, stepping through the database,
// the product's labels and look, the tab order and size, pictures, links, choosing files and
// printing. Message boxes, file and printer dialogs and the desktop are answered by the test
// (ItemDialogTestSupport).

#include "ItemDialogTestSupport.h"
#include "PictureCache.h"
#include "PrintDialogs.h"
#include "Settings.h"
#include "funiQListViewItem.h"

#include <QBuffer>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QListView>
#include <QPainter>
#include <QPrinter>
#include <QProcess>
#include <QStandardPaths>
#include <QTabWidget>
#include <QTest>

#include <cmath>

using namespace ItemDialogTesting;

class TestItemDialogView : public ItemDialogFixture
{
    Q_OBJECT

private Q_SLOTS:
    void searchByExample();
    void previousAndNextStopAtTheEnds();
    void fieldLabels();
    void emptiedEntriesNotOffered();
    void documentLabelWithHash();
    void productLook_data();
    void productLook();
    void tabOrder();
    void usableAtDefaultSize();
    void picturesScaledToTheirLabels();
    void receiptPageShowsOnlyItsOwnItem();
    void linkButtons();
    void browseForFiles();
    void printToPdf();
};

void TestItemDialogView::searchByExample()
{
    Item* desk = add(0, QStringLiteral("Desk Lamp"));
    add(1, QStringLiteral("Chair"));
    Item* floor = add(2, QStringLiteral("Floor lamp"));
    floor->setPrice(12.5);
    fill();
    const auto dialog = open(nullptr, QStringLiteral("DATA"), true);
    const ItemDialog& d = *dialog;

    // Search mode: no Item, nothing to store or step from, and no group or room to match.
    QCOMPARE(dialog->currentItem(), nullptr);
    for (const char* name : { "buttonOk", "savePushButton", "SearchAgainButton", "NextPushButton", "PrevPushButton" })
        QVERIFY2(!button(d, name)->isEnabled(), name);
    QVERIFY(!combo(d, "groupComboBox")->isEnabled());
    QVERIFY(!combo(d, "locationComboBox")->isEnabled());
    QCOMPARE(widget<QDateEdit>(d, "buyQDateEdit")->date(), QDate(1900, 1, 1));
    QVERIFY(text(d, "numberOfItemsLineEdit").isEmpty());

    type(d, "nameLineEdit", QStringLiteral("lamp"));
    QVERIFY(click(d, "seachPushButton"));
    QVERIFY(m_boxes.isEmpty());
    QCOMPARE(dialog->currentItem(), desk);
    QCOMPARE(text(d, "nameLineEdit"), QStringLiteral("Desk Lamp"));
    QCOMPARE(funiQListViewItem::itemOf(m_list->isItemSelected()), desk);
    for (const char* name : { "buttonOk", "savePushButton", "SearchAgainButton", "NextPushButton", "PrevPushButton" })
        QVERIFY2(button(d, name)->isEnabled(), name);
    QVERIFY(combo(d, "groupComboBox")->isEnabled());

    // Search again goes on from the hit with the criteria first given.
    QVERIFY(click(d, "SearchAgainButton"));
    QCOMPARE(dialog->currentItem(), floor);
    QCOMPARE(funiQListViewItem::itemOf(m_list->isItemSelected()), floor);
    QVERIFY(m_boxes.isEmpty());

    QVERIFY(click(d, "SearchAgainButton"));
    QCOMPARE(m_boxes.size(), 1);
    // Nothing found is an answer, not an error.
    QCOMPARE(m_boxes[0].icon, QMessageBox::Information);
    QCOMPARE(m_boxes[0].title, QStringLiteral("Fejl s\u00f8gning"));
    QCOMPARE(m_boxes[0].text, QStringLiteral("Search_Error"));
    QCOMPARE(m_boxes[0].buttons, QStringList{ QStringLiteral("Ok") });
    QCOMPARE(dialog->currentItem(), nullptr);
    for (const char* name : { "buttonOk", "savePushButton", "NextPushButton", "PrevPushButton" })
        QVERIFY2(!button(d, name)->isEnabled(), name);

    // A new search from the reset form that finds nothing.
    QVERIFY(click(d, "resetPushButton"));
    type(d, "nameLineEdit", QStringLiteral("zzz"));
    QVERIFY(click(d, "seachPushButton"));
    QCOMPARE(m_boxes.size(), 2);
    QCOMPARE(dialog->currentItem(), nullptr);

    // New after a search without hit can be saved.
    QVERIFY(click(d, "newPushButton"));
    type(d, "nameLineEdit", QStringLiteral("Rug"));
    type(d, "priceLineEdit", QStringLiteral("5"));
    QVERIFY(click(d, "savePushButton"));
    QCOMPARE(m_collection->count(), 4);

    // A price is sought with a decimal comma or point; one that cannot be read is refused by
    // the field's name and stays in the form.
    QVERIFY(click(d, "resetPushButton"));
    type(d, "priceLineEdit", QStringLiteral("1.499,50"));
    QVERIFY(click(d, "seachPushButton"));
    QCOMPARE(m_boxes.size(), 3);
    QCOMPARE(m_boxes[2].text, QStringLiteral("FIGURE_NOT_READABLE Pris (1 stk) 1.499,50\n\nRet det !"));
    QCOMPARE(text(d, "priceLineEdit"), QStringLiteral("1.499,50"));
    type(d, "priceLineEdit", QStringLiteral("12,50"));
    QVERIFY(click(d, "seachPushButton"));
    QCOMPARE(dialog->currentItem(), floor);
}

void TestItemDialogView::previousAndNextStopAtTheEnds()
{
    Item* first = add(0, QStringLiteral("First"));
    Item* second = add(1, QStringLiteral("Second"));
    Item* third = add(2, QStringLiteral("Third"));
    fill();
    const auto dialog = open(first);
    const ItemDialog& d = *dialog;

    QVERIFY(click(d, "PrevPushButton"));
    QCOMPARE(dialog->currentItem(), first);
    QVERIFY(!button(d, "PrevPushButton")->isEnabled());
    QVERIFY(button(d, "NextPushButton")->isEnabled());

    // Edits are not left behind: the question's first answer saves them on the way.
    type(d, "nameLineEdit", QStringLiteral("Edited"));
    QVERIFY(click(d, "NextPushButton"));
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(dialog->currentItem(), second);
    QCOMPARE(text(d, "nameLineEdit"), QStringLiteral("Second"));
    QCOMPARE(funiQListViewItem::itemOf(m_list->isItemSelected()), second);
    QVERIFY(button(d, "PrevPushButton")->isEnabled());
    QCOMPARE(first->name(), QStringLiteral("Edited"));

    QVERIFY(click(d, "NextPushButton"));
    QCOMPARE(dialog->currentItem(), third);
    QVERIFY(button(d, "NextPushButton")->isEnabled());
    QVERIFY(click(d, "NextPushButton"));
    QCOMPARE(dialog->currentItem(), third);
    QVERIFY(!button(d, "NextPushButton")->isEnabled());
    QVERIFY(click(d, "PrevPushButton"));
    QCOMPARE(dialog->currentItem(), second);
    QVERIFY(button(d, "NextPushButton")->isEnabled());
}

void TestItemDialogView::emptiedEntriesNotOffered()
{
    // Kitchen was deleted and left its place empty, so Attic is still group 2; the same for
    // the locations.
    m_collection->groups().setEntries({ QString(), QStringLiteral("Hall"), QStringLiteral("Attic") });
    m_collection->locations().setEntries({ QStringLiteral("Ground floor"), QString(), QStringLiteral("Cellar") });
    Item* trunk = add(2, QStringLiteral("Trunk"));
    trunk->setLocation(2);
    fill();
    const auto dialog = open(trunk);
    const ItemDialog& d = *dialog;
    QComboBox* groups = combo(d, "groupComboBox");
    QCOMPARE(groups->currentText(), QStringLiteral("Attic"));
    QCOMPARE(combo(d, "locationComboBox")->currentText(), QStringLiteral("Cellar"));
    // The empty places are offered neither in the popup nor to the keys.
    QVERIFY(qobject_cast<QListView*>(groups->view())->isRowHidden(0));
    QVERIFY(qobject_cast<QListView*>(combo(d, "locationComboBox")->view())->isRowHidden(1));
    groups->setCurrentIndex(1);
    QTest::keyClick(groups, Qt::Key_Up);
    QCOMPARE(groups->currentIndex(), 1);

    // A search empties the lists; a new item made from there goes into the first group offered.
    QVERIFY(click(d, "resetPushButton"));
    QVERIFY(click(d, "newPushButton"));
    QCOMPARE(groups->currentIndex(), 1);
}

void TestItemDialogView::fieldLabels()
{
    m_collection->fieldLabels().setEntries(
        { QStringLiteral("&Group"), QStringLiteral("&Name"), QStringLiteral("Ma&ke"), QStringLiteral("&Count"),
          QStringLiteral("&Price"), QStringLiteral("&Value"), QStringLiteral("P&icture"), QStringLiteral("&Date"),
          QStringLiteral("&Room"), QStringLiteral("D&escription") });
    add(0, QStringLiteral("Kettle"));
    fill();
    const auto dialog = open(nullptr);
    const ItemDialog& d = *dialog;
    QCOMPARE(widget<QLabel>(d, "TypeTextLabel")->text(), QStringLiteral("&Group"));
    QCOMPARE(widget<QLabel>(d, "PictureTextLabel")->text(), QStringLiteral("P&icture"));
    QCOMPARE(widget<QLabel>(d, "DescriptionTextLabel")->text(), QStringLiteral("D&escription"));
    QCOMPARE(button(d, "showPhotoPushButton")->text(), QStringLiteral("SHOWPHOTOP&icture"));
    QCOMPARE(button(d, "browsePhotoPushButton")->text(), QStringLiteral("BROWSEPHOTOP&icture"));
    const auto* tabs = widget<QTabWidget>(d, "primaryTabWidget");
    QCOMPARE(tabs->tabText(tabs->indexOf(widget<QWidget>(d, "picturePage"))), QStringLiteral("P&icture"));
    // The list is shorter than the form: the labels beyond its end are empty.
    QVERIFY(widget<QLabel>(d, "SupplierTextLabel")->text().isEmpty());
    QVERIFY(widget<QLabel>(d, "extra4TextLabel")->text().isEmpty());
    QVERIFY(tabs->tabText(tabs->indexOf(widget<QWidget>(d, "receiptPage"))).isEmpty());
    QCOMPARE(button(d, "showReceiptPushButton")->text(), QStringLiteral("SHOWRECIEPT"));
}

void TestItemDialogView::documentLabelWithHash()
{
    QStringList labels;
    for (int index = 0; index < 21; ++index)
        labels << QStringLiteral("L%1").arg(index);
    labels[15] = QStringLiteral("#DOCUMENT");
    m_collection->fieldLabels().setEntries(labels);
    add(0, QStringLiteral("Kettle"));
    fill();
    const auto dialog = open(nullptr);
    QCOMPARE(widget<QLabel>(*dialog, "documentTextLabel")->text(), QStringLiteral("&DOCUMENT"));
    QCOMPARE(button(*dialog, "insertDocumentPushButton")->text(), QStringLiteral("INSERT_DOCUMENT"));
    QCOMPARE(button(*dialog, "showDocumentPushButton")->text(), QStringLiteral("SHOW_DOCUMENT"));
    QCOMPARE(widget<QLabel>(*dialog, "ManufacturerTextLabel")->text(), QStringLiteral("L16"));
    QCOMPARE(widget<QLabel>(*dialog, "extra4TextLabel")->text(), QStringLiteral("L20"));
}

void TestItemDialogView::productLook_data()
{
    QTest::addColumn<ProgramVariant>("variant");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("totalShown");
    QTest::addColumn<QString>("countToolTip");
    QTest::addColumn<QString>("locationToolTip");
    QTest::addColumn<QString>("helpPage");
    QTest::newRow("Domvara, Norwegian") << ProgramVariant::Domvara << QStringLiteral("no") << QStringLiteral("Inventar")
                                        << true << QStringLiteral("TOOLTIP_NUMBER") << QStringLiteral("TOOLTIP_LOCALE")
                                        << QStringLiteral("InventoryDialog.no.htm");
    QTest::newRow("Stockvane, English") << ProgramVariant::Stockvane << QStringLiteral("en")
                                        << QStringLiteral("Inventar") << true << QStringLiteral("TOOLTIP_NUMBER")
                                        << QString() << QString();
    QTest::newRow("Mintora, Norwegian") << ProgramVariant::Mintora << QStringLiteral("no")
                                        << QStringLiteral("MINTORA_DIALOG_TITLE") << true
                                        << QStringLiteral("TOOLTIP_DB_NUMBEROF") << QString() << QString();
    QTest::newRow("Pictova, Danish") << ProgramVariant::Pictova << QStringLiteral("dk")
                                     << QStringLiteral("PICTURE_GALLERY") << false
                                     << QStringLiteral("TOOLTIP_PICTOVA_REG_NUMBER") << QString()
                                     << QStringLiteral("PictovaDialog.dk.htm");
}

void TestItemDialogView::productLook()
{
    QFETCH(ProgramVariant, variant);
    QFETCH(QString, language);
    QFETCH(QString, title);
    QFETCH(bool, totalShown);
    QFETCH(QString, countToolTip);
    QFETCH(QString, locationToolTip);
    QFETCH(QString, helpPage);
    useProduct(variant);
    m_settings->setValue(Setting::Language, language);
    add(0, QStringLiteral("Kettle"));
    fill();
    const auto dialog = open(m_collection->at(0));
    const ItemDialog& d = *dialog;
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));

    QCOMPARE(dialog->windowTitle(), title);
    for (const char* name : { "TotalPriceTextLabel", "priceTotalLineEdit", "StkTextLabel", "KrTextLabel" })
        QCOMPARE(widget<QWidget>(d, name)->isVisible(), totalShown);
    QCOMPARE(edit(d, "numberOfItemsLineEdit")->toolTip(), countToolTip);
    // Only stock and picture databases keep the extra fields; the others take no typing there.
    const bool extrasKept = variant == ProgramVariant::Stockvane || variant == ProgramVariant::Pictova;
    type(d, "extra2LineEdit", QStringLiteral("x"));
    QCOMPARE(text(d, "extra2LineEdit"), extrasKept ? QStringLiteral("x") : QString());
    QCOMPARE(combo(d, "locationComboBox")->toolTip(), locationToolTip);
    QCOMPARE(combo(d, "locationComboBox")->whatsThis().isEmpty(), locationToolTip.isEmpty());
    // The write-off page is never offered.
    const auto* tabs = widget<QTabWidget>(d, "primaryTabWidget");
    QCOMPARE(tabs->count(), 3);
    QCOMPARE(tabs->indexOf(widget<QWidget>(d, "WriteOffPage")), -1);
    // The lists hold the database's lookup lists.
    QCOMPARE(combo(d, "groupComboBox")->count(), 3);
    QCOMPARE(combo(d, "locationComboBox")->itemText(1), QStringLiteral("Loft"));
    QCOMPARE(combo(d, "supplierComboBox")->itemText(1), QStringLiteral("Market"));

    // Help exists only where the product has a page in the language. No help folder lies below
    // the tests' working directory, so the opener reports the page it looked for.
    QCOMPARE(click(d, "helpPushButton"), !helpPage.isEmpty());
    if (!helpPage.isEmpty()) {
        QCOMPARE(m_boxes.size(), 1);
        QVERIFY2(m_boxes[0].text.contains(QStringLiteral("/help/") + helpPage), qPrintable(m_boxes[0].text));
    }
}

void TestItemDialogView::tabOrder()
{
    add(0, QStringLiteral("Kettle"));
    fill();
    const auto dialog = open(nullptr);
    const QStringList expected
        = QStringLiteral(
              "groupComboBox nameLineEdit productLineEdit productBrandLineEdit numberOfItemsLineEdit "
              "priceLineEdit priceTodayLineEdit buyQDateEdit locationComboBox supplierComboBox "
              "addressLineEdit wwwLineEdit serialnoLineEdit infoLineEdit photolinkLineEdit receiptLineEdit "
              "documentLineEdit extra1LineEdit extra2LineEdit extra3LineEdit extra4LineEdit "
              "buttonOk PrevPushButton NextPushButton helpPushButton buttonCancel "
              "savePushButton CopyPushButton newPushButton resetPushButton seachPushButton "
              "SearchAgainButton printButton previewButton showWwwPushButton browsePhotoPushButton showPhotoPushButton "
              "browseReceiptPushButton showReceiptPushButton insertDocumentPushButton "
              "showDocumentPushButton ViewCurrentAsHtmlPushButton primaryTabWidget")
              .split(u' ');
    // The focus chain, read from the first field, holds the named widgets in this order.
    QStringList chain;
    QWidget* start = combo(*dialog, "groupComboBox");
    QWidget* next = start;
    do {
        if (expected.contains(next->objectName()) && !chain.contains(next->objectName()))
            chain << next->objectName();
        next = next->nextInFocusChain();
    } while (next != start);
    QCOMPARE(chain, expected);
    // The name field has the focus at start.
    QCOMPARE(dialog->focusWidget(), edit(*dialog, "nameLineEdit"));
}

void TestItemDialogView::usableAtDefaultSize()
{
    add(0, QStringLiteral("Kettle"));
    fill();
    for (const ProgramVariant variant : { ProgramVariant::Domvara, ProgramVariant::Pictova }) {
        SetProgramVariant(variant);
        const auto dialog = open(m_collection->at(0));
        QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
        // Nothing in the form may force the dialog beyond the size it opens at.
        QCOMPARE(dialog->size(), QSize(627, 539));
        QCOMPARE(dialog->pos(), QPoint(100, 100));
        QVERIFY(dialog->minimumSizeHint().width() <= 627);
        QVERIFY(dialog->minimumSizeHint().height() <= 539);
        // Every button of the column is fully inside the dialog.
        const QWidget* frame = widget<QWidget>(*dialog, "Frame3");
        for (const QPushButton* pushButton : frame->findChildren<QPushButton*>()) {
            const QRect inDialog(pushButton->mapTo(dialog.get(), QPoint(0, 0)), pushButton->size());
            QVERIFY2(dialog->rect().contains(inDialog), qPrintable(pushButton->objectName()));
        }
    }
}

// A camera's JPEG: stored wide, left half red and right half blue, with the EXIF orientation
// "turn 90 degrees clockwise" that phones write for a photo taken upright.
static QString cameraPhoto(const QString& path, int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QPainter(&image).fillRect(0, 0, width / 2, height, Qt::red);
    QBuffer jpeg;
    jpeg.open(QIODevice::WriteOnly);
    if (!image.save(&jpeg, "JPEG", 90))
        qFatal("cannot write a test photo");
    static const char exif[] = "\xFF\xE1\x00\x22"
                               "Exif\0\0"
                               "MM\x00\x2A\x00\x00\x00\x08"
                               "\x00\x01"
                               "\x01\x12\x00\x03\x00\x00\x00\x01\x00\x06\x00\x00"
                               "\x00\x00\x00\x00";
    QByteArray bytes = jpeg.data();
    bytes.insert(2, exif, sizeof(exif) - 1);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        qFatal("cannot write a test photo");
    return path;
}

void TestItemDialogView::picturesScaledToTheirLabels()
{
    const QString wide = picture(QStringLiteral("wide.png"), 1200, 600);
    const QString tall = picture(QStringLiteral("tall.png"), 300, 900);
    const QString small = picture(QStringLiteral("small.png"), 200, 100);
    const QString photo = cameraPhoto(m_files->filePath(QStringLiteral("IMG 0001 #2.JPG")), 1600, 1200);
    Item* rug = add(0, QStringLiteral("Rug"));
    rug->setPhotolink(wide);
    rug->setReceipt(tall);
    Item* vase = add(0, QStringLiteral("Vase"));
    vase->setPhotolink(small);
    Item* clock = add(0, QStringLiteral("Clock"));
    clock->setPhotolink(m_files->filePath(QStringLiteral("missing.jpg")));
    Item* chair = add(0, QStringLiteral("Chair"));
    chair->setPhotolink(photo);
    fill();

    const auto dialog = open(rug, QStringLiteral("PICTURE"));
    const ItemDialog& d = *dialog;
    QVERIFY(QTest::qWaitForWindowExposed(dialog.get()));
    QCOMPARE(currentPage(d)->objectName(), QStringLiteral("picturePage"));
    const QLabel* label = widget<QLabel>(d, "pixmapPictureLabel");
    QVERIFY(label->width() >= 400);
    // Wider than high: scaled to the label's width, the proportions kept.
    QTRY_COMPARE(shownPixmapSize(d, "pixmapPictureLabel"),
                 QSize(label->width(), int(std::lround(600.0 * label->width() / 1200))));
    // The thumbnail beside the date, scaled the same way to its label.
    QCOMPARE(shownPixmapSize(d, "ImageIconTextLabel"), QSize(40, 20));

    QVERIFY(dialog->ShowPage(QStringLiteral("RECEIPT")));
    const QLabel* receipt = widget<QLabel>(d, "pixmapReceipt");
    // Higher than wide: scaled to the label's height.
    QTRY_COMPARE(shownPixmapSize(d, "pixmapReceipt"),
                 QSize(int(std::lround(300.0 * receipt->height() / 900)), receipt->height()));
    QVERIFY(!dialog->ShowPage(QStringLiteral("OTHER")));
    QCOMPARE(currentPage(d)->objectName(), QStringLiteral("receiptPage"));

    // Smaller than the label both ways: shown as it is.
    QVERIFY(click(d, "NextPushButton"));
    QCOMPARE(dialog->currentItem(), vase);
    QVERIFY(dialog->ShowPage(QStringLiteral("PICTURE")));
    QCOMPARE(shownPixmapSize(d, "pixmapPictureLabel"), QSize(200, 100));
    QVERIFY(!tabEnabled(d, "receiptPage"));
    QVERIFY(!button(d, "showReceiptPushButton")->isEnabled());

    // A picture that is not there: a short note in its place, no box to click away.
    const int decodedBefore = PictureCache::decodeCount();
    QVERIFY(click(d, "NextPushButton"));
    QVERIFY(shownPixmapSize(d, "pixmapPictureLabel").isEmpty());
    QCOMPARE(label->text(), QStringLiteral("PICTURE_NOT_FOUND %1").arg(clock->photolink()));
    QVERIFY(m_boxes.isEmpty());

    // A camera photo is shown as it was taken (upright: red above blue), read at the size it
    // is shown at, and decoded once (read ahead while an item before it was shown, or now) for
    // the page and the thumbnail together; repainting and making the window smaller read
    // nothing again.
    QVERIFY(click(d, "NextPushButton"));
    QCOMPARE(dialog->currentItem(), chair);
    QCOMPARE(shownPixmapSize(d, "pixmapPictureLabel"),
             QSize(int(std::lround(1200.0 * label->height() / 1600)), label->height()));
    QCOMPARE(shownPixmapSize(d, "ImageIconTextLabel"), QSize(30, 40));
    const QImage shown = label->pixmap().toImage();
    QVERIFY(qRed(shown.pixel(shown.width() / 2, shown.height() / 4)) > 200);
    QVERIFY(qBlue(shown.pixel(shown.width() / 2, shown.height() * 3 / 4)) > 200);
    const int decodedWhenShown = PictureCache::decodeCount();
    QVERIFY(decodedWhenShown - decodedBefore <= 1);
    widget<QLabel>(d, "pixmapPictureLabel")->repaint();
    dialog->resize(dialog->width() - 40, dialog->height() - 40);
    QTRY_VERIFY(shownPixmapSize(d, "pixmapPictureLabel").height() == label->height());
    QCOMPARE(PictureCache::decodeCount(), decodedWhenShown);
    PictureCache cache;
    QCOMPARE(cache.fullSize(photo), QSize(1200, 1600));
    QCOMPARE(cache.picture(photo, QSize(150, 200)).size(), QSize(150, 200));

    // An Item without a picture has no picture page.
    QVERIFY(click(d, "newPushButton"));
    QVERIFY(!tabEnabled(d, "picturePage"));
    QVERIFY(!button(d, "showPhotoPushButton")->isEnabled());
    QVERIFY(widget<QLabel>(d, "pixmapPictureLabel")->pixmap().isNull());
}

void TestItemDialogView::receiptPageShowsOnlyItsOwnItem()
{
    Item* rug = add(0, QStringLiteral("Rug"));
    rug->setReceipt(picture(QStringLiteral("receipt.png"), 50, 50));
    Item* vase = add(0, QStringLiteral("Vase"));
    vase->setReceipt(QStringLiteral("/receipts/vase.pdf"));
    fill();
    const auto dialog = open(rug, QStringLiteral("RECEIPT"));
    QVERIFY(!shownPixmapSize(*dialog, "pixmapReceipt").isEmpty());
    // The next Item's receipt is no picture: its page must not show the rug's receipt.
    QVERIFY(click(*dialog, "NextPushButton"));
    QCOMPARE(dialog->currentItem(), vase);
    QVERIFY(shownPixmapSize(*dialog, "pixmapReceipt").isEmpty());
}

void TestItemDialogView::linkButtons()
{
    Item* kettle = add(0, QStringLiteral("Kettle"));
    kettle->setPhotolink(QStringLiteral("/pictures/kettle.pdf"));
    kettle->setReceipt(QStringLiteral("https://example.org/receipt.jpg"));
    // A web link as typed into a browser's address bar, without a scheme.
    kettle->setWww(QStringLiteral("www.example.org/kettle"));
    kettle->setDocument(QStringLiteral("https://example.org/manual"));
    fill();
    m_settings->setValue("PictureViewerProgram", QStringLiteral("/opt/viewer"));
    auto dialog = open(kettle);

    // A stored link that is no picture can be shown too.
    QVERIFY(button(*dialog, "showPhotoPushButton")->isEnabled());
    // The field is opened as typed, not as stored. The chosen viewer does not start: the box
    // names it, then the desktop opens the file.
    type(*dialog, "photolinkLineEdit", QStringLiteral("https://example.org/typed.png"));
    QVERIFY(click(*dialog, "showPhotoPushButton"));
    QCOMPARE(m_starts.size(), 1);
    QCOMPARE(m_starts[0].program, QStringLiteral("/opt/viewer"));
    QCOMPARE(m_starts[0].arguments, QStringList{ QStringLiteral("https://example.org/typed.png") });
    QCOMPARE(m_boxes.size(), 1);
    QVERIFY(m_boxes[0].text.startsWith(QStringLiteral("Program (/opt/viewer) ikke fundet.")));
    QCOMPARE(m_opened, QList<QUrl>{ QUrl(QStringLiteral("https://example.org/typed.png")) });

    // A household receipt goes to the desktop even when it is a picture; so does a document. The
    // web link has no program chosen, so the desktop's browser opens it.
    m_starts.clear();
    m_opened.clear();
    QVERIFY(click(*dialog, "showReceiptPushButton"));
    QVERIFY(click(*dialog, "showDocumentPushButton"));
    QVERIFY(click(*dialog, "showWwwPushButton"));
    QVERIFY(m_starts.isEmpty());
    QCOMPARE(m_opened,
             (QList<QUrl>{ QUrl(QStringLiteral("https://example.org/receipt.jpg")),
                           QUrl(QStringLiteral("https://example.org/manual")),
                           QUrl(QStringLiteral("https://www.example.org/kettle")) }));

    // An emptied field disables its button.
    type(*dialog, "wwwLineEdit", QString());
    QVERIFY(!button(*dialog, "showWwwPushButton")->isEnabled());
    type(*dialog, "documentLineEdit", QString());
    QVERIFY(!button(*dialog, "showDocumentPushButton")->isEnabled());

    // A coin's second picture goes to the chosen viewer, which starts.
    dialog.reset();
    useProduct(ProgramVariant::Mintora);
    Item* coin = add(0, QStringLiteral("1864"));
    coin->setReceipt(QStringLiteral("/pictures/back.jpg"));
    fill();
    m_settings->setValue("PictureViewerProgram", QStringLiteral("/opt/viewer"));
    m_starts.clear();
    m_opened.clear();
    m_startSucceeds = true;
    dialog = open(coin);
    QVERIFY(click(*dialog, "showReceiptPushButton"));
    QCOMPARE(m_starts.size(), 1);
    QCOMPARE(m_starts[0].arguments, QStringList{ QStringLiteral("/pictures/back.jpg") });
    QVERIFY(m_opened.isEmpty());
}

void TestItemDialogView::browseForFiles()
{
    add(0, QStringLiteral("Kettle"));
    fill();
    const QByteArray oldProgramFiles = qgetenv("ProgramFiles");
    qputenv("ProgramFiles", "/opt/programs");
    auto dialog = open(nullptr);

    // An existing file is opened, with no question about replacing it; pictures of either
    // letter case, PDF and all files are offered.
    const QString chosen = picture(QStringLiteral("chair.png"), 50, 40);
    m_chosenFile = chosen;
    QVERIFY(click(*dialog, "browsePhotoPushButton"));
    QCOMPARE(m_fileRequests.size(), 1);
    QCOMPARE(m_fileRequests[0].mode, FileDialogs::Mode::Open);
    QCOMPARE(m_fileRequests[0].directory, QStringLiteral("/opt/programs/Quorvane"));
    const QStringList filters = m_fileRequests[0].filter.split(QStringLiteral(";;"));
    QCOMPARE(filters.size(), 3);
    QVERIFY(filters[0].contains(QStringLiteral("*.png")) && filters[0].contains(QStringLiteral("*.JPG")));
    QVERIFY(filters[1].contains(QStringLiteral("*.pdf")));
    QVERIFY(filters[2].endsWith(QStringLiteral("(*)")));
    QCOMPARE(text(*dialog, "photolinkLineEdit"), QDir::toNativeSeparators(chosen));
    QVERIFY(tabEnabled(*dialog, "picturePage"));
    QVERIFY(button(*dialog, "showPhotoPushButton")->isEnabled());
    QVERIFY(dialog->ShowPage(QStringLiteral("PICTURE")));
    QCOMPARE(shownPixmapSize(*dialog, "pixmapPictureLabel"), QSize(50, 40));

    // The folders chosen in the set-up are where the choosers start.
    m_settings->setValue("ReceiptPath", QStringLiteral("/srv/receipts"));
    m_chosenFile = QStringLiteral("/srv/receipts/new-scan.pdf");
    QVERIFY(click(*dialog, "browseReceiptPushButton"));
    QCOMPARE(m_fileRequests[1].mode, FileDialogs::Mode::Open);
    QCOMPARE(m_fileRequests[1].directory, QStringLiteral("/srv/receipts"));
    QVERIFY(m_fileRequests[1].filter.section(QStringLiteral(";;"), 0, 0).contains(QStringLiteral("*.pdf")));
    QCOMPARE(text(*dialog, "receiptLineEdit"), QDir::toNativeSeparators(m_chosenFile));
    QVERIFY(button(*dialog, "showReceiptPushButton")->isEnabled());
    QVERIFY(!tabEnabled(*dialog, "receiptPage"));

    // A cancelled chooser changes nothing; without the variable the chooser starts at home.
    m_chosenFile.clear();
    type(*dialog, "documentLineEdit", QStringLiteral("kept.pdf"));
    qunsetenv("ProgramFiles");
    QVERIFY(click(*dialog, "insertDocumentPushButton"));
    QCOMPARE(text(*dialog, "documentLineEdit"), QStringLiteral("kept.pdf"));
    QCOMPARE(m_fileRequests.last().directory, QDir::homePath());
    if (!oldProgramFiles.isNull())
        qputenv("ProgramFiles", oldProgramFiles);

    // A file whose name the database cannot keep as it is would no longer open once saved: the
    // choice is refused at once, saying why, and the field keeps its link.
    m_chosenFile = QStringLiteral("/srv/docs/price \u20ac.pdf");
    QVERIFY(click(*dialog, "insertDocumentPushButton"));
    QCOMPARE(text(*dialog, "documentLineEdit"), QStringLiteral("kept.pdf"));
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].text, QStringLiteral("LINK_NOT_STORABLE %1 LINK_CHARACTERS_NOT_STORABLE").arg(m_chosenFile));
    m_chosenFile = QStringLiteral("/srv/docs/a;b.pdf");
    QVERIFY(click(*dialog, "insertDocumentPushButton"));
    QCOMPARE(text(*dialog, "documentLineEdit"), QStringLiteral("kept.pdf"));
    QVERIFY(m_boxes.last().text.endsWith(QStringLiteral("LINK_SEPARATOR_NOT_STORABLE")));
    m_chosenFile.clear();

    // From then on, also in the next dialog, each kind of link starts where a file of its kind
    // was last chosen.
    dialog = open(nullptr);
    for (const char* browse : { "browsePhotoPushButton", "browseReceiptPushButton", "insertDocumentPushButton" })
        QVERIFY(click(*dialog, browse));
    QCOMPARE(m_fileRequests[m_fileRequests.size() - 3].directory, QFileInfo(chosen).absolutePath());
    QCOMPARE(m_fileRequests[m_fileRequests.size() - 2].directory, QStringLiteral("/srv/receipts"));
    QCOMPARE(m_fileRequests.last().directory, QStringLiteral("/srv/docs"));
}

void TestItemDialogView::printToPdf()
{
    Item* lamp = add(0, QStringLiteral("Lamp"));
    lamp->setNumber_of_items(3);
    lamp->setPrice(12.5);
    lamp->setLocation(1);
    fill();
    const QString pdf = m_files->filePath(QStringLiteral("item.pdf"));
    const auto dialog = open(lamp);

    // A cancelled printer dialog prints nothing.
    QVERIFY(click(*dialog, "printButton"));
    QVERIFY(!QFile::exists(pdf));

    PrintDialogs::setAnswerer([&pdf](QPrinter* printer) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(pdf);
        return true;
    });
    // The form is printed as the user sees it, unsaved edits included; the Item stays as stored.
    type(*dialog, "nameLineEdit", QStringLiteral("Unsaved"));
    QVERIFY(click(*dialog, "printButton"));
    QVERIFY(QFileInfo(pdf).size() > 0);
    QCOMPARE(lamp->name(), QStringLiteral("Lamp"));
    QVERIFY(m_boxes.isEmpty());

    // So is the HTML view of the item.
    QVERIFY(click(*dialog, "ViewCurrentAsHtmlPushButton"));
    QCOMPARE(m_opened.size(), 1);
    QFile page(m_opened[0].toLocalFile());
    QVERIFY(page.open(QIODevice::ReadOnly));
    QVERIFY(page.readAll().contains("Unsaved"));

    // A printer that cannot be written to is told, not taken for a printed page.
    PrintDialogs::setAnswerer([this](QPrinter* printer) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(m_files->filePath(QStringLiteral("missing/item.pdf")));
        return true;
    });
    QVERIFY(click(*dialog, "printButton"));
    QCOMPARE(m_boxes.size(), 1);
    QCOMPARE(m_boxes[0].text, QStringLiteral("PRINT_FAILED_TEXT"));

    const QString pdftotext = QStandardPaths::findExecutable(QStringLiteral("pdftotext"));
    if (pdftotext.isEmpty())
        QSKIP("pdftotext is not installed; only the file was checked");
    QProcess process;
    process.start(pdftotext, { QStringLiteral("-layout"), pdf, QStringLiteral("-") });
    QVERIFY(process.waitForFinished(30000));
    const QString printed = QString::fromUtf8(process.readAllStandardOutput());
    const QStringList lines = printed.split(u'\n', Qt::SkipEmptyParts);
    auto lineOf = [&lines](const QString& label) {
        for (const QString& line : lines) {
            if (line.trimmed().startsWith(label + u' '))
                return line.simplified();
        }
        return QString();
    };
    QCOMPARE(lineOf(QStringLiteral("Gruppe")), QStringLiteral("Gruppe Kitchen"));
    QCOMPARE(lineOf(QStringLiteral("Navn")), QStringLiteral("Navn Unsaved"));
    QCOMPARE(lineOf(QStringLiteral("Antal")), QStringLiteral("Antal 3"));
    QCOMPARE(lineOf(QStringLiteral("Pris")), QStringLiteral("Pris 12.50"));
    QCOMPARE(lineOf(QStringLiteral("TotalPrice")), QStringLiteral("TotalPrice 37.50"));
    QCOMPARE(lineOf(QStringLiteral("Rum")), QStringLiteral("Rum Loft"));
    // Labels first, values in a column of their own, in the printed order.
    const auto indexOf = [&printed](const char* label) { return printed.indexOf(QLatin1StringView(label)); };
    QVERIFY(indexOf("Gruppe") < indexOf("Navn"));
    QVERIFY(indexOf("TotalPrice") < indexOf("Vurd."));
    QVERIFY(indexOf("Serie no.") < indexOf("Beskrivelse"));
    QVERIFY(indexOf("Beskrivelse") < indexOf("Billede"));
    QVERIFY(indexOf("Dok.") < indexOf("Extra1"));

    // The preview beside it shows the same pages and prints from them.
    const QString previewed = m_files->filePath(QStringLiteral("preview.pdf"));
    PrintDialogs::setPreviewAnswerer([&previewed](QPrinter* printer, const PrintDialogs::PaintPages& paint) {
        printer->setOutputFormat(QPrinter::PdfFormat);
        printer->setOutputFileName(previewed);
        paint(printer);
        return true;
    });
    QVERIFY(click(*dialog, "previewButton"));
    PrintDialogs::setPreviewAnswerer({});
    process.start(pdftotext, { QStringLiteral("-layout"), previewed, QStringLiteral("-") });
    QVERIFY(process.waitForFinished(30000));
    QCOMPARE(QString::fromUtf8(process.readAllStandardOutput()), printed);
}

QTEST_MAIN(TestItemDialogView)
#include "tst_itemdialog_view.moc"
