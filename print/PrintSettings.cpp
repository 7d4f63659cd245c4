#include "PrintSettings.h"

#include "Item.h"
#include "Settings.h"

namespace {

struct BoolKey
{
    const char* key;
    bool PrintSettings::*field;
};

struct IntKey
{
    const char* key;
    int PrintSettings::*field;
};

constexpr BoolKey BoolKeys[] = {
    {"Print/printItemCount", &PrintSettings::printItemCount},
    {"Print/printGroupField", &PrintSettings::printGroupField},
    {"Print/printNameField", &PrintSettings::printNameField},
    {"Print/printModelField", &PrintSettings::printModelField},
    {"Print/printProductTypeField", &PrintSettings::printProductTypeField},
    {"Print/printCountField", &PrintSettings::printCountField},
    {"Print/printPriceField", &PrintSettings::printPriceField},
    {"Print/printPriceTodayField", &PrintSettings::printPriceTodayField},
    {"Print/printPictureField", &PrintSettings::printPictureField},
    {"Print/printDateField", &PrintSettings::printDateField},
    {"Print/printLocationField", &PrintSettings::printLocationField},
    {"Print/printDescribeField", &PrintSettings::printDescribeField},
    {"Print/printSupplierField", &PrintSettings::printSupplierField},
    {"Print/printAddressField", &PrintSettings::printAddressField},
    {"Print/printSerialNumberField", &PrintSettings::printSerialNumberField},
    {"Print/printWwwField", &PrintSettings::printWwwField},
    {"Print/printReceiptField", &PrintSettings::printReceiptField},
    {"Print/printDocumentField", &PrintSettings::printDocumentField},
    {"Print/printExtra1Field", &PrintSettings::printExtra1Field},
    {"Print/printExtra2Field", &PrintSettings::printExtra2Field},
    {"Print/printExtra3Field", &PrintSettings::printExtra3Field},
    {"Print/printExtra4Field", &PrintSettings::printExtra4Field},
    {"Print/printGroupOnly", &PrintSettings::printGroupOnly},
    {"Print/printLocationOnly", &PrintSettings::printLocationOnly},
};

constexpr IntKey IntKeys[] = {
    {"Print/printGroupFieldLength", &PrintSettings::printGroupFieldLength},
    {"Print/printNameFieldLength", &PrintSettings::printNameFieldLength},
    {"Print/printModelFieldLength", &PrintSettings::printModelFieldLength},
    {"Print/printProductTypeFieldLength", &PrintSettings::printProductTypeFieldLength},
    {"Print/printCountFieldLength", &PrintSettings::printCountFieldLength},
    {"Print/printPriceFieldLength", &PrintSettings::printPriceFieldLength},
    {"Print/printPriceTodayFieldLength", &PrintSettings::printPriceTodayFieldLength},
    {"Print/printPictureFieldLength", &PrintSettings::printPictureFieldLength},
    {"Print/printLocationFieldLength", &PrintSettings::printLocationFieldLength},
    {"Print/printSerialNumberFieldLength", &PrintSettings::printSerialNumberFieldLength},
    {"Print/printReceiptFieldLength", &PrintSettings::printReceiptFieldLength},
    {"Print/printAddressFieldLength", &PrintSettings::printAddressFieldLength},
    {"Print/printDescribeFieldLength", &PrintSettings::printDescribeFieldLength},
    {"Print/printSupplierFieldLength", &PrintSettings::printSupplierFieldLength},
    {"Print/printWwwFieldLength", &PrintSettings::printWwwFieldLength},
    {"Print/printDocumentFieldLength", &PrintSettings::printDocumentFieldLength},
    {"Print/printExtra1FieldLength", &PrintSettings::printExtra1FieldLength},
    {"Print/printExtra2FieldLength", &PrintSettings::printExtra2FieldLength},
    {"Print/printExtra3FieldLength", &PrintSettings::printExtra3FieldLength},
    {"Print/printExtra4FieldLength", &PrintSettings::printExtra4FieldLength},
    {"Print/groupToPrint", &PrintSettings::groupToPrint},
    {"Print/locationToPrint", &PrintSettings::locationToPrint},
};

constexpr char SeparatorKey[] = "Print/printSeparator";
constexpr char SortMethodKey[] = "Print/sortMethod";

} // namespace

PrintSettings::PrintSettings()
{
    read();
}

void PrintSettings::read()
{
    const auto settings = openSettings();
    for (const BoolKey& entry : BoolKeys)
        this->*entry.field = settings->value(QLatin1StringView(entry.key), this->*entry.field).toBool();
    for (const IntKey& entry : IntKeys)
        this->*entry.field = settings->value(QLatin1StringView(entry.key), this->*entry.field).toInt();
    printSeparator = settings->value(SeparatorKey, printSeparator).toString();
    sortMethod = settings->value(SortMethodKey, sortMethod).toInt();
}

void PrintSettings::write() const
{
    const auto settings = openSettings();
    for (const BoolKey& entry : BoolKeys)
        settings->setValue(QLatin1StringView(entry.key), this->*entry.field);
    for (const IntKey& entry : IntKeys)
        settings->setValue(QLatin1StringView(entry.key), this->*entry.field);
    settings->setValue(SeparatorKey, printSeparator);
}

void PrintSettings::writeSortMethod() const
{
    openSettings()->setValue(SortMethodKey, sortMethod);
}

bool PrintSettings::printsItem(const Item& item) const
{
    if (printGroupOnly && item.type() == groupToPrint)
        return true;
    if (printLocationOnly && item.location() == locationToPrint)
        return true;
    return !printGroupOnly && !printLocationOnly;
}
