#pragma once

#include <QString>

class Item;

// What a printed list (and the HTML table) shows: which fields, how many characters each
// gets, the separator between them, the sorting and the group or location printed alone.
// Kept in the settings store under "Print/".
struct PrintSettings
{
    // The defaults, then whatever the settings store holds.
    PrintSettings();

    void read();
    // Stores every field but the sort method, which the print set-up dialog stores itself.
    void write() const;
    void writeSortMethod() const;

    // Whether the group and location filters let an item through; with both on, an item that
    // matches either one passes. The printed list and the HTML table filter alike.
    bool printsItem(const Item& item) const;

    bool printItemCount = false;
    bool printGroupField = true;
    bool printNameField = true;
    bool printModelField = true;
    bool printProductTypeField = false;
    bool printCountField = false;
    bool printPriceField = true;
    bool printPriceTodayField = true;
    bool printPictureField = false;
    bool printDateField = true;
    bool printLocationField = false;
    bool printDescribeField = false;
    bool printSupplierField = false;
    bool printAddressField = false;
    bool printSerialNumberField = false;
    bool printWwwField = false;
    bool printReceiptField = false;
    bool printDocumentField = false;
    bool printExtra1Field = false;
    bool printExtra2Field = false;
    bool printExtra3Field = false;
    bool printExtra4Field = false;

    int printGroupFieldLength = 15;
    int printNameFieldLength = 15;
    int printModelFieldLength = 15;
    int printProductTypeFieldLength = 15;
    int printCountFieldLength = 3;
    int printPriceFieldLength = 9;
    int printPriceTodayFieldLength = 9;
    int printPictureFieldLength = 15;
    int printLocationFieldLength = 15;
    int printSerialNumberFieldLength = 15;
    int printReceiptFieldLength = 15;
    int printAddressFieldLength = 15;
    int printDescribeFieldLength = 15;
    int printSupplierFieldLength = 15;
    int printWwwFieldLength = 15;
    int printDocumentFieldLength = 15;
    int printExtra1FieldLength = 15;
    int printExtra2FieldLength = 15;
    int printExtra3FieldLength = 15;
    int printExtra4FieldLength = 15;

    QString printSeparator = QStringLiteral("|");
    // The list column the printed list is sorted by: 0 group, 1 name, 2 product, 5 price (as the
    // list shows it), 9 date, 10 location.
    int sortMethod = 0;
    bool printGroupOnly = false;
    int groupToPrint = 0;
    bool printLocationOnly = false;
    int locationToPrint = 0;
};
