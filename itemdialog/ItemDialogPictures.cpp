// The item dialog's pictures, links and documents: choosing the files, opening them, and the
// picture and receipt pages with their scaled pictures.

#include "ItemDialog.h"

#include "ui_ItemDialogBase.h"

#include "DataPaths.h"
#include "FileDialogs.h"
#include "ItemDialogPrivate.h"
#include "ItemListView.h"
#include "MessageBoxes.h"
#include "ProgramVariant.h"
#include "ShellHelpers.h"
#include "StorableTextValidator.h"
#include "TextRules.h"

#include <QDir>
#include <QEvent>
#include <QFileInfo>
#include <QLabel>
#include <QTimer>

#include <cmath>

using namespace ItemDialogDetail;

namespace {

// How many items ahead the dialog reads pictures while one is shown.
constexpr int PicturesAhead = 2;

constexpr char PicturePathKey[] = "PicturePath";
constexpr char ReceiptPathKey[] = "ReceiptPath";
constexpr char DocumentPathKey[] = "DocumentPath";

// The folder a file was last chosen from, per kind of link, while the program runs.
QString g_lastFolder[3];

// Where the file choosers start until the user has chosen default folders.
QString defaultFileFolder()
{
    const QString programFiles = qEnvironmentVariable("ProgramFiles");
    if (!programFiles.isEmpty())
        return programFiles + QStringLiteral("/Quorvane");
    return QDir::homePath();
}

// Name patterns for a file chooser. Cameras and phones often write "IMG_0001.JPG", and some
// desktops' choosers match patterns with their letter case, so both cases are given.
QString patterns(std::initializer_list<const char*> suffixes)
{
    QStringList list;
    for (const char* suffix : suffixes) {
        const QString lower = QStringLiteral("*.") + QLatin1StringView(suffix);
        list << lower << lower.toUpper();
    }
    return list.join(u' ');
}

QString pictureTypes()
{
    return patterns({ "jpg", "jpeg", "png", "gif", "bmp", "tif", "tiff", "webp" });
}

QString filterLine(const QString& name, const QString& types)
{
    return name + QStringLiteral(" (") + types + u')';
}

// The size a picture is shown at on a label: a picture smaller than the label both ways as it
// is; any other scaled, keeping its proportions, to the label's width when it is wider than
// high, else to its height.
QSize shownSize(const QSize& picture, const QSize& label)
{
    const int w = picture.width();
    const int h = picture.height();
    if (w < label.width() && h < label.height())
        return picture;
    const double factor = h < w ? double(label.width()) / w : double(label.height()) / h;
    return { std::max(1, int(std::lround(w * factor))), std::max(1, int(std::lround(h * factor))) };
}

// The picture fitted to the label, read through the cache; a null pixmap when it cannot be read.
QPixmap fittedPicture(PictureCache& pictures, const QString& path, const QLabel* label)
{
    const QSize full = pictures.fullSize(path);
    if (!full.isValid() || label->size().isEmpty())
        return {};
    const qreal ratio = label->devicePixelRatioF();
    const QSize shown = shownSize(full, label->size());
    const QSize pixels = (QSizeF(shown) * ratio).toSize();
    QImage image = pictures.picture(path, pixels);
    if (image.isNull())
        return {};
    if (image.size() != pixels)
        image = image.scaled(pixels, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    image.setDevicePixelRatio(ratio);
    return QPixmap::fromImage(std::move(image));
}

// The file a picture link names, found by the one rule for relative links.
QString picturePath(const QString& link)
{
    return resolveLink(link, GetLastDBDir());
}

} // namespace

void ItemDialog::forgetChosenFolders()
{
    for (QString& folder : g_lastFolder)
        folder.clear();
}

void ItemDialog::browsePhoto_slot()
{
    if (!chooseFile(LinkKind::Picture, m_ui->photolinkLineEdit))
        return;
    if (isPictureFile(m_ui->photolinkLineEdit->text()))
        setTabEnabled(m_ui->picturePage, true);
    CreatePictureOnPicturePage();
}

void ItemDialog::browseReceipt_slot()
{
    if (chooseFile(LinkKind::Receipt, m_ui->receiptLineEdit))
        CreatePictureOnReceiptPage();
}

void ItemDialog::InsertDocumentSlot()
{
    chooseFile(LinkKind::Document, m_ui->documentLineEdit);
}

bool ItemDialog::chooseFile(LinkKind kind, QLineEdit* target)
{
    const QString pictures = filterLine(tr("FILE_FILTER_PICTURES"), pictureTypes());
    const QString pdf = filterLine(tr("FILE_FILTER_PDF"), patterns({ "pdf" }));
    const QString all = filterLine(tr("FILE_FILTER_ALL"), QStringLiteral("*"));
    QStringList filters;
    const char* key = PicturePathKey;
    switch (kind) {
    case LinkKind::Picture:
        filters << pictures << pdf << all;
        break;
    case LinkKind::Receipt:
        key = ReceiptPathKey;
        // Coins and pictures keep a second picture here, household items and stock a receipt.
        if (isMintora() || isPictova())
            filters << pictures << pdf << all;
        else
            filters << filterLine(tr("FILE_FILTER_RECEIPTS"), pictureTypes() + u' ' + patterns({ "pdf" })) << pictures
                    << pdf << all;
        break;
    case LinkKind::Document:
        key = DocumentPathKey;
        filters << filterLine(
            tr("FILE_FILTER_DOCUMENTS"),
            patterns({ "pdf", "odt", "ods", "doc", "docx", "xls", "xlsx", "rtf", "txt", "htm", "html" }) + u' '
                + pictureTypes())
                << pictures << pdf << all;
        break;
    }
    QString& lastFolder = g_lastFolder[int(kind)];

    FileDialogs::Request request;
    // A link names a file that is there: choosing one asks nothing about replacing it.
    request.mode = FileDialogs::Mode::Open;
    request.directory = lastFolder.isEmpty() ? settingText(key, defaultFileFolder()) : lastFolder;
    request.filter = filters.join(QStringLiteral(";;"));
    const FileDialogs::Answer answer = FileDialogs::ask(this, request);
    if (answer.fileName.isEmpty())
        return false;
    lastFolder = QFileInfo(answer.fileName).absolutePath();
    const QString link = QDir::toNativeSeparators(answer.fileName);
    // A link is kept only as it is: a name the database would have to change on saving would
    // no longer open the file, so it is refused now, while the user can still rename the file.
    QString reason;
    if (!TextRules::isLatin1(link) || TextRules::toStorable(link, false, nullptr) != link)
        reason = tr("LINK_CHARACTERS_NOT_STORABLE");
    else if (link.contains(u';'))
        reason = tr("LINK_SEPARATOR_NOT_STORABLE");
    else if (link.size() > StorableTextValidator::MaxLength)
        reason = tr("LINK_TOO_LONG %1").arg(StorableTextValidator::MaxLength);
    if (!reason.isEmpty()) {
        MessageBoxes::warning(this, tr("LINK_NOT_STORABLE_TITLE"), tr("LINK_NOT_STORABLE %1 %2").arg(link, reason));
        return false;
    }
    target->setText(link);
    return true;
}

void ItemDialog::showPhoto_slot()
{
    OpenWithProgram(m_pictureViewerProgram, m_ui->photolinkLineEdit->text());
}

void ItemDialog::showReceipt_slot()
{
    // Coins and pictures keep a second picture here, household items and stock a receipt.
    if (isMintora() || isPictova())
        OpenWithProgram(m_pictureViewerProgram, m_ui->receiptLineEdit->text());
    else
        OpenWithAssociatedProgram(m_ui->receiptLineEdit->text());
}

void ItemDialog::showWww_slot()
{
    OpenWebLink(m_wwwProgram, m_ui->wwwLineEdit->text());
}

void ItemDialog::ShowDocumentSlot()
{
    OpenWithAssociatedProgram(m_ui->documentLineEdit->text());
}

void ItemDialog::wwwFieldChanged_slot()
{
    m_ui->showWwwPushButton->setEnabled(!m_ui->wwwLineEdit->text().isEmpty());
}

void ItemDialog::photoFieldChangedSlot()
{
    const QString link = m_ui->photolinkLineEdit->text();
    if (!link.isEmpty() && isPictureFile(link)) {
        m_ui->showPhotoPushButton->setEnabled(true);
        setTabEnabled(m_ui->picturePage, true);
    } else {
        clearPicturePage();
    }
    updateThumbnail();
}

void ItemDialog::receiptFieldChangedSlot()
{
    const QString link = m_ui->receiptLineEdit->text();
    m_ui->showReceiptPushButton->setEnabled(!link.isEmpty());
    setTabEnabled(m_ui->receiptPage, !link.isEmpty() && isPictureFile(link));
}

void ItemDialog::documentChangedSlot()
{
    m_ui->showDocumentPushButton->setEnabled(!m_ui->documentLineEdit->text().isEmpty());
}

void ItemDialog::CreatePictureOnPicturePage()
{
    showLinkedPicture(m_ui->photolinkLineEdit->text(), m_ui->pixmapPictureLabel);
}

void ItemDialog::CreatePictureOnReceiptPage()
{
    showLinkedPicture(m_ui->receiptLineEdit->text(), m_ui->pixmapReceipt);
}

void ItemDialog::showLinkedPicture(const QString& link, QLabel* label)
{
    // A link that names no picture shows none, rather than the picture of the Item shown before.
    if (!isPictureFile(link)) {
        label->clear();
        return;
    }
    // Read for the size the label has on screen; the label's show event brings it back here.
    if (!label->isVisible())
        return;
    const QString path = picturePath(link);
    const QPixmap picture = fittedPicture(m_pictures, path, label);
    if (!picture.isNull()) {
        label->setPixmap(picture);
        return;
    }
    // Said on the page rather than in a box: stepping through items must not stop at each one.
    label->setText(QFileInfo::exists(path) ? tr("PICTURE_NOT_READABLE %1").arg(link)
                                           : tr("PICTURE_NOT_FOUND %1").arg(link));
}

void ItemDialog::currentPageChangedSlot(QWidget* page)
{
    if (!page)
        return;
    if (page == m_ui->picturePage)
        CreatePictureOnPicturePage();
    else if (page == m_ui->receiptPage)
        CreatePictureOnReceiptPage();
}

bool ItemDialog::eventFilter(QObject* watched, QEvent* event)
{
    // The pages' pictures follow the size of their labels; the cache keeps this from reading
    // the file again for each step of a resize.
    if (event->type() == QEvent::Resize || event->type() == QEvent::Show) {
        if (watched == m_ui->pixmapPictureLabel)
            CreatePictureOnPicturePage();
        else if (watched == m_ui->pixmapReceipt)
            CreatePictureOnReceiptPage();
        // A page just shown (the dialog opened on it, say) reads ahead for its size, once it
        // has been laid out.
        if (event->type() == QEvent::Show && (watched == m_ui->pixmapPictureLabel || watched == m_ui->pixmapReceipt))
            QTimer::singleShot(0, this, &ItemDialog::prefetchNeighbour);
    }
    return QDialog::eventFilter(watched, event);
}

void ItemDialog::prefetchNeighbour()
{
    if (!m_currentItem || m_ownedItem)
        return;
    const QWidget* page = m_ui->primaryTabWidget->currentWidget();
    auto prefetch = [this](const QString& link, const QLabel* label) {
        if (!isPictureFile(link) || !label->isVisible())
            return;
        const QString path = picturePath(link);
        const QSize full = m_pictures.fullSize(path);
        if (full.isValid())
            m_pictures.prefetch(path, (QSizeF(shownSize(full, label->size())) * label->devicePixelRatioF()).toSize());
    };
    // The next two items in the direction of the last step: read side by side, so that clicking
    // on without pause waits at most for what is left of the second one. The photo for its page
    // when that is shown, else for the thumbnail beside the date.
    Item* neighbour = m_currentItem;
    for (int ahead = 0; ahead < PicturesAhead; ++ahead) {
        bool atEdge = false;
        neighbour = m_steppedBack ? m_collection->previousItem(neighbour, atEdge)
                                  : m_collection->nextItem(neighbour, atEdge);
        if (atEdge || !neighbour)
            return;
        prefetch(neighbour->photolink(),
                 page == m_ui->picturePage ? m_ui->pixmapPictureLabel : m_ui->ImageIconTextLabel);
        if (page == m_ui->receiptPage)
            prefetch(neighbour->receipt(), m_ui->pixmapReceipt);
    }
}

void ItemDialog::clearPicturePage()
{
    m_ui->pixmapPictureLabel->clear();
    m_ui->ImageIconTextLabel->clear();
    m_ui->showPhotoPushButton->setEnabled(false);
    setTabEnabled(m_ui->picturePage, false);
}

void ItemDialog::clearReceiptPage()
{
    m_ui->pixmapReceipt->clear();
}

void ItemDialog::updateThumbnail()
{
    QLabel* label = m_ui->ImageIconTextLabel;
    const QString link = m_ui->photolinkLineEdit->text();
    if (!isPictureFile(link)) {
        label->setText(QStringLiteral(" "));
        return;
    }
    // With the picture page on screen its larger picture is read first: the thumbnail is then
    // made from it instead of reading the file a second time.
    if (m_ui->primaryTabWidget->currentWidget() == m_ui->picturePage)
        CreatePictureOnPicturePage();
    const QPixmap picture = fittedPicture(m_pictures, picturePath(link), label);
    if (picture.isNull())
        label->setText(QStringLiteral(" "));
    else
        label->setPixmap(picture);
}
