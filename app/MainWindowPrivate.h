#pragma once

#include <QIcon>

// What the source files of MainWindow share; nothing outside the main window uses it.
namespace MainWindowDetail {

constexpr char LogFileName[] = "hestivawindow";
constexpr char ShowAllItems[] = "Items/showAllItems";

// A built-in icon in its two sizes: 16 pixels for menus and lists, 22 for tool bars.
QIcon icon(const char* name);
// The running product's own icon in every size it is drawn in, as its launcher shows it.
QIcon productIcon();

} // namespace MainWindowDetail
