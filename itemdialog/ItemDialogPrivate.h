#pragma once

#include <QString>

class LookupList;

// What the source files of ItemDialog share; nothing outside the item dialog uses it.
namespace ItemDialogDetail {

constexpr char EnableCountKey[] = "EnableNumberOfItemsLineEdit";
constexpr int PriceDecimals = 2;

QString dateFormat();
QString settingText(const char* key, const QString& defaultValue);
// The entry at index; empty when the list has none there.
QString entryOf(const LookupList& list, int index);
QString headerText(int column);

} // namespace ItemDialogDetail
