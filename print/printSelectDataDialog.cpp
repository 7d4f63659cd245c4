#include "printSelectDataDialog.h"

#include "ui_printSelectDataDialogBase.h"

#include "DBItemCollection.h"
#include "HelpPages.h"
#include "ItemListView.h"
#include "ListPrinting.h"
#include "LookupComboBox.h"
#include "MessageBoxes.h"
#include "ProgramVariant.h"
#include "Settings.h"
#include "ShellHelpers.h"

#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QValidator>

#include <functional>

namespace {

// The list's default column captions, so that the translation files carry them for users whose
// database names no fields of its own.
[[maybe_unused]] constexpr const char* DefaultCaptions[] = {
    QT_TRANSLATE_NOOP("printSelectDataDialog", "Gruppe"),
    QT_TRANSLATE_NOOP("printSelectDataDialog", "Navn"),
    QT_TRANSLATE_NOOP("printSelectDataDialog", "Fabrikat"),
    QT_TRANSLATE_NOOP("printSelectDataDialog", "Produkt model"),
    QT_TRANSLATE_NOOP("printSelectDataDialog", "Antal"),
    QT_TRANSLATE_NOOP("printSelectDataDialog", "Pris"),
    QT_TRANSLATE_NOOP("printSelectDataDialog", "Vurd."),
    QT_TRANSLATE_NOOP("printSelectDataDialog", "Billede"),
    QT_TRANSLATE_NOOP("printSelectDataDialog", "Kvitt."),
    QT_TRANSLATE_NOOP("printSelectDataDialog", "Dato"),
    QT_TRANSLATE_NOOP("printSelectDataDialog", "Rum"),
    QT_TRANSLATE_NOOP("printSelectDataDialog", "Beskrivelse"),
    QT_TRANSLATE_NOOP("printSelectDataDialog", "Leverandør"),
    QT_TRANSLATE_NOOP("printSelectDataDialog", "Adresse"),
    QT_TRANSLATE_NOOP("printSelectDataDialog", "Serie no."),
    QT_TRANSLATE_NOOP("printSelectDataDialog", "Www"),
    QT_TRANSLATE_NOOP("printSelectDataDialog", "Dok."),
    QT_TRANSLATE_NOOP("printSelectDataDialog", "Extra1"),
    QT_TRANSLATE_NOOP("printSelectDataDialog", "Extra2"),
    QT_TRANSLATE_NOOP("printSelectDataDialog", "Extra3"),
    QT_TRANSLATE_NOOP("printSelectDataDialog", "Extra4"),
};

// The order both lists show the fields in, whatever order the user added them in.
constexpr PrintField DialogOrder[] = {
    PrintField::ItemCount, PrintField::Group,        PrintField::Name,        PrintField::Model,
    PrintField::Count,     PrintField::Price,        PrintField::PriceToday,  PrintField::Picture,
    PrintField::Date,      PrintField::Location,     PrintField::Description, PrintField::Supplier,
    PrintField::Address,   PrintField::SerialNumber, PrintField::Www,         PrintField::Receipt,
    PrintField::Document,  PrintField::ProductType,  PrintField::Extra1,      PrintField::Extra2,
    PrintField::Extra3,    PrintField::Extra4,
};

// Whole numbers up to a top value. Typing that can never give a number in range (a letter, a
// minus, a number above the top) is refused, and the refusal is told through refused so that
// no keystroke vanishes unexplained; an empty edit or 0 may stand while the user types.
class LengthValidator : public QValidator
{
public:
    LengthValidator(int top, QLineEdit* edit, std::function<void(bool refused)> told)
        : QValidator(edit)
        , m_top(top)
        , m_edit(edit)
        , m_told(std::move(told))
    {
    }

    State validate(QString& input, int& position) const override
    {
        Q_UNUSED(position)
        const State state = check(input);
        // Only what the user typed is told about, not what the dialog put into the edit.
        if (m_told && m_edit->isModified())
            m_told(state == Invalid);
        return state;
    }

private:
    State check(const QString& input) const
    {
        if (input.isEmpty())
            return Intermediate;
        // More digits than any length has can only come from pasting; refused before converting.
        if (input.size() > 9)
            return Invalid;
        for (const QChar character : input) {
            if (character < u'0' || character > u'9')
                return Invalid;
        }
        const int value = input.toInt();
        if (value > m_top)
            return Invalid;
        return value < 1 ? Intermediate : Acceptable;
    }

    int m_top;
    QLineEdit* m_edit;
    std::function<void(bool refused)> m_told;
};

bool lengthAcceptable(const QLineEdit* edit, int top)
{
    bool ok = false;
    const int length = edit->text().toInt(&ok);
    return ok && length >= 1 && length <= top;
}

} // namespace

printSelectDataDialog::printSelectDataDialog(DBItemCollection* collection, QWidget* parent, const QString& name,
                                             bool modal)
    : QDialog(parent)
    , m_ui(std::make_unique<Ui::printSelectDataDialogBase>())
{
    m_ui->setupUi(this);
    setObjectName(name);
    setModal(modal);

    setUpFields();
    InitDialog();

    const int separator = m_ui->printSepaComboBox->findText(m_settings.printSeparator, Qt::MatchExactly);
    m_ui->printSepaComboBox->setCurrentIndex(separator < 0 ? 0 : separator);

    SetSortingMethod();
    fillFilters(collection);

    const ProgramVariant variant = GetProgramVariant();
    const QByteArray language = GetLanguage();
    m_ui->buttonHelp->setEnabled((variant == ProgramVariant::Domvara && language != "en")
                                 || (variant == ProgramVariant::Mintora && language == "dk"));

    connect(m_ui->buttonOk, &QPushButton::clicked, this, &printSelectDataDialog::accept);
    connect(m_ui->buttonCancel, &QPushButton::clicked, this, &printSelectDataDialog::reject);
    connect(m_ui->AddButton, &QPushButton::clicked, this, &printSelectDataDialog::add_slot);
    connect(m_ui->RemoveButton, &QPushButton::clicked, this, &printSelectDataDialog::remove_slot);
    connect(m_ui->buttonHelp, &QPushButton::clicked, this, &printSelectDataDialog::help_slot);
}

printSelectDataDialog::~printSelectDataDialog() = default;

QString printSelectDataDialog::fieldCaption(int column)
{
    const QString header = QString::fromLatin1(ItemListView::columnHeaderText(column));
    return QCoreApplication::translate("printSelectDataDialog", header.toUtf8().constData());
}

void printSelectDataDialog::setUpFields()
{
    // Below the length edits: why a keystroke was not taken.
    m_lengthNotice = new QLabel(m_ui->lengthGroupBox);
    m_lengthNotice->setObjectName(QStringLiteral("lengthNoticeLabel"));
    m_lengthNotice->setTextFormat(Qt::PlainText);
    m_lengthNotice->setWordWrap(true);
    m_lengthNotice->hide();
    if (auto* grid = qobject_cast<QGridLayout*>(m_ui->lengthGroupBox->layout()))
        grid->addWidget(m_lengthNotice, grid->rowCount(), 0, 1, grid->columnCount());
    struct Widgets
    {
        QLabel* label;
        QLineEdit* edit;
    };
    auto widgetsOf = [this](PrintField field) -> Widgets {
        switch (field) {
        case PrintField::Group:
            return { m_ui->groupLengthLabel, m_ui->groupLengthLineEdit };
        case PrintField::Name:
            return { m_ui->nameLengthLabel, m_ui->nameLengthEdit };
        case PrintField::Model:
            return { m_ui->modelLengthLabel, m_ui->modelLengthLineEdit };
        case PrintField::ProductType:
            return { m_ui->prodTypeLengthLabel, m_ui->prodTypeLengthEdit };
        case PrintField::Count:
            return { m_ui->countLengthLabel, m_ui->countLengthLineEdit };
        case PrintField::Price:
            return { m_ui->priceLengthLabel, m_ui->priceLengthLineEdit };
        case PrintField::PriceToday:
            return { m_ui->estimatedPriceLengthLabel, m_ui->estimatedPriceLengthLineEdit };
        case PrintField::Picture:
            return { m_ui->pictureLengthLabel, m_ui->pictureLengthLineEdit };
        case PrintField::Date:
            // The date always prints 11 characters wide; its edit only keeps the grid complete.
            return { m_ui->dateLengthLabel, nullptr };
        case PrintField::Location:
            return { m_ui->locationLengthLabel, m_ui->locationLengthLineEdit };
        case PrintField::Description:
            return { m_ui->descriptionLengthLabel, m_ui->descriptionLengthLineEdit };
        case PrintField::Supplier:
            return { m_ui->supplierLengthLabel, m_ui->supplierLengthEdit };
        case PrintField::Address:
            return { m_ui->addressLengthLabel, m_ui->addressLengthLineEdit };
        case PrintField::SerialNumber:
            return { m_ui->serialLengthLabel, m_ui->serialLengthLineEdit };
        case PrintField::Www:
            return { m_ui->wwwFieldLengthLabel, m_ui->wwwFieldLengthEdit };
        case PrintField::Receipt:
            return { m_ui->receiptLengthLabel, m_ui->receiptLengthLineEdit };
        case PrintField::Document:
            return { m_ui->documentLengthLabel, m_ui->documentLengthLineEdit };
        case PrintField::Extra1:
            return { m_ui->extra1LengthLabel, m_ui->extra1LengthLineEdit };
        case PrintField::Extra2:
            return { m_ui->extra2LengthLabel, m_ui->extra2LengthLineEdit };
        case PrintField::Extra3:
            return { m_ui->extra3LengthLabel, m_ui->extra3LengthLineEdit };
        case PrintField::Extra4:
            return { m_ui->extra4LengthLabel, m_ui->extra4LengthLineEdit };
        case PrintField::ItemCount:
            break;
        }
        return { nullptr, nullptr };
    };

    for (const PrintField field : DialogOrder) {
        const PrintFieldInfo& info = printFieldInfo(field);
        const QString caption = info.column < 0 ? tr("ITEM_COUNT") : fieldCaption(info.column);
        const Widgets widgets = widgetsOf(field);
        // Captions come from the field labels file: shown as written, never read as markup.
        if (widgets.label) {
            widgets.label->setTextFormat(Qt::PlainText);
            widgets.label->setText(caption);
        }
        if (widgets.edit) {
            // Every refusal goes through the validator, which tells it; a length limit of the
            // edit itself would drop a keystroke without a word.
            widgets.edit->setMaxLength(9);
            const QString refusal = tr("LENGTH_KEY_REFUSED %1 %2").arg(caption).arg(info.maxLength);
            widgets.edit->setValidator(
                new LengthValidator(info.maxLength, widgets.edit, [this, refusal](bool refused) {
                    m_lengthNotice->setText(refused ? refusal : QString());
                    m_lengthNotice->setVisible(refused);
                }));
        }
        m_fields.push_back({ caption, info.flag, info.length, widgets.edit, info.maxLength });
    }
    m_ui->dateLengthLineEdit->setEnabled(false);

    const std::pair<QAbstractButton*, int> sortButtons[] = {
        { m_ui->sortTypeRadioButton, 0 },  { m_ui->sortNameRadioButton, 1 }, { m_ui->sortModelRadioButton, 2 },
        { m_ui->sortPriceRadioButton, 5 }, { m_ui->sortDateradioButton, 9 }, { m_ui->sortLocationButton, 10 },
    };
    // The sort keys double as the list columns whose captions the buttons show.
    for (const auto& [button, key] : sortButtons) {
        m_ui->sortButtonGroup->setId(button, key);
        button->setText(fieldCaption(key));
    }
}

void printSelectDataDialog::InitDialog()
{
    m_ui->wantedListBox->clear();
    m_ui->availableListBox->clear();
    for (const Field& field : m_fields) {
        (m_settings.*field.flag ? m_ui->wantedListBox : m_ui->availableListBox)->addItem(field.caption);
        if (field.length && field.lengthEdit)
            field.lengthEdit->setText(QString::number(m_settings.*field.length));
    }
}

void printSelectDataDialog::fillFilters(DBItemCollection* collection)
{
    if (collection) {
        fillLookupComboBox(m_ui->PrintGroupComboBox, collection->groups());
        fillLookupComboBox(m_ui->PrintLocationComboBox, collection->locations());
    }
    m_ui->PrintGroupCheckBox->setChecked(m_settings.printGroupOnly);
    m_ui->PrintGroupComboBox->setCurrentIndex(m_settings.groupToPrint);
    m_ui->PrintLocationCheckBox->setChecked(m_settings.printLocationOnly);
    m_ui->PrintLocationComboBox->setCurrentIndex(m_settings.locationToPrint);
    m_ui->PrintLocationCheckBox->setText(m_ui->PrintLocationCheckBox->text() + fieldCaption(10));
}

bool printSelectDataDialog::IsFieldInAvailableList(const QString& wantedField) const
{
    const QListWidget* wanted = m_ui->wantedListBox;
    for (int row = 0; row < wanted->count(); ++row) {
        if (wanted->item(row)->text() == wantedField)
            return true;
    }
    return false;
}

void printSelectDataDialog::SetSortingMethod()
{
    QButtonGroup* group = m_ui->sortButtonGroup;
    // An exclusive group cannot uncheck its last button; a stored key without a button checks none.
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons())
        button->setChecked(group->id(button) == m_settings.sortMethod);
    group->setExclusive(true);
}

void printSelectDataDialog::SaveSortingMethod()
{
    const int key = m_ui->sortButtonGroup->checkedId();
    if (key < 0)
        return;
    m_settings.sortMethod = key;
    m_settings.writeSortMethod();
}

void printSelectDataDialog::help_slot()
{
    ShellOpenFile(dialogHelpPageName(DialogHelp::PrintSetup, GetProgramVariant(), GetLanguage()), QString(), false);
}

void printSelectDataDialog::add_slot()
{
    QListWidgetItem* entry = m_ui->availableListBox->currentItem();
    if (!entry)
        return;
    m_ui->wantedListBox->addItem(m_ui->availableListBox->takeItem(m_ui->availableListBox->row(entry)));
}

void printSelectDataDialog::remove_slot()
{
    QListWidgetItem* entry = m_ui->wantedListBox->currentItem();
    if (!entry)
        return;
    m_ui->availableListBox->addItem(m_ui->wantedListBox->takeItem(m_ui->wantedListBox->row(entry)));
}

void printSelectDataDialog::accept()
{
    // A field printed 0 characters wide would be chosen but never seen: every length is checked,
    // the address and the description first.
    QString problem;
    if (!lengthAcceptable(m_ui->addressLengthLineEdit, MaxPrintTextLength))
        problem = tr("'Adresse felt længde' skal være: 1 -> %2").arg(MaxPrintTextLength);
    else if (!lengthAcceptable(m_ui->descriptionLengthLineEdit, MaxPrintTextLength))
        problem = tr("'Beskrivelse felt længde' skal være: 1 -> %2").arg(MaxPrintTextLength);
    for (auto field = m_fields.cbegin(); problem.isEmpty() && field != m_fields.cend(); ++field) {
        if (field->lengthEdit && !lengthAcceptable(field->lengthEdit, field->maxLength))
            problem = tr("FIELD_LENGTH_RANGE %1 %2").arg(field->caption).arg(field->maxLength);
    }
    if (!problem.isEmpty()) {
        MessageBoxes::critical(this, tr("Felt grænseværdi fejl"), problem + QStringLiteral("\n\n") + tr("Ret det !"));
        return;
    }

    PrintSettings settings;
    for (const Field& field : m_fields) {
        settings.*field.flag = IsFieldInAvailableList(field.caption);
        if (field.length && field.lengthEdit)
            settings.*field.length = field.lengthEdit->text().toInt();
    }
    settings.printSeparator = m_ui->printSepaComboBox->currentText();
    openSettings()->setValue("Print/printSeparator", settings.printSeparator);

    SaveSortingMethod();

    settings.printGroupOnly = m_ui->PrintGroupCheckBox->isChecked();
    settings.groupToPrint = m_ui->PrintGroupComboBox->currentIndex();
    settings.printLocationOnly = m_ui->PrintLocationCheckBox->isChecked();
    settings.locationToPrint = m_ui->PrintLocationComboBox->currentIndex();
    settings.write();
    QDialog::accept();
}
