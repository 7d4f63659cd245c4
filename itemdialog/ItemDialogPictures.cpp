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

#include <cmath>

using namespace ItemDialogDetail;

namespace {

constexpr char PicturePathKey[] = "PicturePath";
constexpr char ReceiptPathKey[] = "ReceiptPath";
constexpr char DocumentPathKey[] = "DocumentPath";

// Where the file choosers start until the user has chosen default folders.
QString defaultFileFolder()
{
    const QString programFiles = qEnvironmentVariable("ProgramFiles");
    if (!programFiles.isEmpty())
        return programFiles + QStringLiteral("/Quorvane");
    return QDir::homePath();
}

// A picture smaller than the label both ways is shown as it is; any other is scaled, keeping
// its proportions, to the label's width when it is wider than high, else to its height.
QPixmap scaledToLabel(const QPixmap& picture, const QSize& label)
{
    if (picture.isNull())
        return picture;
    const int w = picture.width();
    const int h = picture.height();
    if (w < label.width() && h < label.height())
        return picture;
    const double factor = h < w ? double(label.width()) / w : double(label.height()) / h;
    const QSize scaled(std::max(1, int(std::lround(w * factor))), std::max(1, int(std::lround(h * factor))));
    return picture.scaled(scaled, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

void showScaled(QLabel* label, const QPixmap& picture)
{
    label->setPixmap(scaledToLabel(picture, label->size()));
}

// The picture a link names, found by the one rule for relative links.
QPixmap linkedPicture(const QString& link)
{
    return QPixmap(resolveLink(link, GetLastDBDir()));
}

} // namespace

void ItemDialog::browsePhoto_slot()
{
    const QString filter = tr("Billed fil (*.bmp *.jpg *.jpeg *.gif *.png *.mng *.pnm *.xbm *.xpm);;Alle (*.*)");
    if (!chooseFile(PicturePathKey, filter, m_ui->photolinkLineEdit))
        return;
    const QString link = m_ui->photolinkLineEdit->text();
    if (isPictureFile(link))
        setTabEnabled(m_ui->picturePage, true);
    m_picture = linkedPicture(link);
    m_ui->pixmapPictureLabel->setPixmap(m_picture);
}

void ItemDialog::browseReceipt_slot()
{
    chooseFile(ReceiptPathKey, tr("Kvittering (*.bmp *.jpg *.jpeg *.gif *.tif *.txt *.htm);;Alle (*.*)"),
               m_ui->receiptLineEdit);
}

void ItemDialog::InsertDocumentSlot()
{
    chooseFile(DocumentPathKey, tr("Kvittering (*.doc *.pdf  *.txt *.htm *.bmp *.jpg *.jpeg *.gif *.tif);;Alle (*.*)"),
               m_ui->documentLineEdit);
}

bool ItemDialog::chooseFile(const char* settingsKey, const QString& filter, QLineEdit* target)
{
    FileDialogs::Request request;
    // A name that does not exist yet may be chosen: the file can be put there later.
    request.mode = FileDialogs::Mode::Save;
    request.directory = settingText(settingsKey, defaultFileFolder());
    request.filter = filter;
    const FileDialogs::Answer answer = FileDialogs::ask(this, request);
    if (answer.fileName.isEmpty())
        return false;
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
    OpenWithProgram(m_wwwProgram, m_ui->wwwLineEdit->text());
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
    showLinkedPicture(m_ui->photolinkLineEdit->text(), m_picture, m_ui->pixmapPictureLabel);
}

void ItemDialog::CreatePictureOnReceiptPage()
{
    showLinkedPicture(m_ui->receiptLineEdit->text(), m_receiptPicture, m_ui->pixmapReceipt);
}

void ItemDialog::showLinkedPicture(const QString& link, QPixmap& picture, QLabel* label)
{
    // A link that names no picture shows none, rather than the picture of the Item shown before.
    picture = isPictureFile(link) ? linkedPicture(link) : QPixmap();
    showScaled(label, picture);
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
    if (event->type() == QEvent::Resize) {
        if (watched == m_ui->pixmapPictureLabel && !m_picture.isNull())
            showScaled(m_ui->pixmapPictureLabel, m_picture);
        else if (watched == m_ui->pixmapReceipt && !m_receiptPicture.isNull())
            showScaled(m_ui->pixmapReceipt, m_receiptPicture);
    }
    return QDialog::eventFilter(watched, event);
}

void ItemDialog::clearPicturePage()
{
    m_ui->pixmapPictureLabel->setText(QString());
    m_ui->ImageIconTextLabel->setText(QString());
    m_picture = QPixmap();
    m_ui->showPhotoPushButton->setEnabled(false);
    setTabEnabled(m_ui->picturePage, false);
}

void ItemDialog::clearReceiptPage()
{
    m_ui->pixmapReceipt->setText(QString());
    m_receiptPicture = QPixmap();
}

void ItemDialog::updateThumbnail()
{
    QLabel* label = m_ui->ImageIconTextLabel;
    const QString link = m_ui->photolinkLineEdit->text();
    if (!isPictureFile(link)) {
        label->setText(QStringLiteral(" "));
        return;
    }
    label->setPixmap(scaledToLabel(linkedPicture(link), label->size()));
}
