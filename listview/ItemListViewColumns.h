#pragma once

// The column table of the item list, shared by its source files.

#include "ItemListView.h"

#include <array>

namespace ItemListViewDetail {

struct Column
{
    const char* header;
    const char* widthKey;
    int width;
};

// The 21 columns: default header, the key their width is kept under in the group "ListView",
// and the width a new user starts with.
inline constexpr std::array<Column, ItemListView::ColumnCount> Columns{ {
    { "Gruppe", "GROUPCOLUMNwidth", 120 },
    { "Navn", "NAMECOLUMNwidth", 120 },
    { "Fabrikat", "MODELCOLUMNwidth", 65 },
    { "Produkt model", "PRODUCTTYPECOLUMNwidth", 120 },
    { "Antal", "COUNTCOLUMNwidth", 18 },
    { "Pris", "PRICECOLUMNwidth", 65 },
    { "Vurd.", "PRICETODAYCOLUMNwidth", 70 },
    { "Billede", "PICTURECOLUMNwidth", 50 },
    { "Kvitt.", "RECEIPTCOLUMNwidth", 50 },
    { "Dato", "DATECOLUMNwidth", 66 },
    { "Rum", "LOCATIONCOLUMNwidth", 120 },
    { "Beskrivelse", "DESCRIPTIONCOLUMNwidth", 120 },
    { "Leverand\xc3\xb8r", "SUPPLIERCOLUMNwidth", 120 },
    { "Adresse", "ADDRESSCOLUMNwidth", 120 },
    { "Serie no.", "SERIALNOCOLUMNwidth", 120 },
    { "Www", "WWWCOLUMNwidth", 120 },
    { "Dok.", "DOCUMENTCOLUMNwidth", 120 },
    { "Extra1", "EXTRA1COLUMNwidth", 120 },
    { "Extra2", "EXTRA2COLUMNwidth", 120 },
    { "Extra3", "EXTRA3COLUMNwidth", 120 },
    { "Extra4", "EXTRA4COLUMNwidth", 120 },
} };

// The settings group the widths are kept in.
inline constexpr char ListViewGroup[] = "ListView";

} // namespace ItemListViewDetail
