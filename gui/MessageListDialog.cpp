#include "MessageListDialog.h"

#include "ui_MessageListDialogBase.h"

#include <QApplication>
#include <QClipboard>
#include <QPushButton>
#include <QStyle>

MessageListDialog::MessageListDialog(QMessageBox::Icon icon, const QString& title, const QString& text,
                                     const QStringList& lines, QWidget* parent)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::MessageListDialogBase>())
{
    m_ui->setupUi(this);
    setWindowTitle(title);
    m_ui->textLabel->setText(text);
    m_ui->linesPlainTextEdit->setPlainText(lines.join(u'\n'));
    m_ui->linesPlainTextEdit->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);

    QStyle::StandardPixmap pixmap = QStyle::SP_MessageBoxInformation;
    if (icon == QMessageBox::Warning)
        pixmap = QStyle::SP_MessageBoxWarning;
    else if (icon == QMessageBox::Critical)
        pixmap = QStyle::SP_MessageBoxCritical;
    const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
    m_ui->iconLabel->setPixmap(style()->standardIcon(pixmap, nullptr, this).pixmap(size, size));
    m_ui->iconLabel->setVisible(icon != QMessageBox::NoIcon);

    connect(m_ui->copyPushButton, &QPushButton::clicked, this, &MessageListDialog::copyAll);
    connect(m_ui->buttonBox, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(m_ui->buttonBox, &QDialogButtonBox::accepted, this, &QDialog::accept);
}

MessageListDialog::~MessageListDialog() = default;

void MessageListDialog::setChoices(const QStringList& buttons, int defaultButton, int escapeButton)
{
    m_ui->buttonBox->clear();
    m_chosen = escapeButton;
    for (int index = 0; index < buttons.size(); ++index) {
        QPushButton* button = m_ui->buttonBox->addButton(buttons[index], QDialogButtonBox::ActionRole);
        button->setObjectName(QStringLiteral("choice%1PushButton").arg(index));
        button->setDefault(index == defaultButton);
        connect(button, &QPushButton::clicked, this, [this, index] {
            m_chosen = index;
            accept();
        });
    }
}

int MessageListDialog::chosen() const
{
    return m_chosen;
}

void MessageListDialog::copyAll()
{
    QApplication::clipboard()->setText(m_ui->linesPlainTextEdit->toPlainText());
}
