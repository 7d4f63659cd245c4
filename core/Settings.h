#pragma once

#include <QSettings>

#include <memory>

// The settings keys of the core and the start-up, with their defaults, in one place.
namespace Setting {
inline constexpr char Language[] = "Language";
inline constexpr char LanguageDefault[] = "dk";
inline constexpr char LastDBDir[] = "LastDBDir";
inline constexpr char LastSavedDBFile[] = "LastSavedDBFile";
inline constexpr char MainWinWidth[] = "geometri/mainWinWidth";
inline constexpr int MainWinWidthDefault = 800;
inline constexpr char MainWinHeight[] = "geometri/mainWinHeight";
inline constexpr int MainWinHeightDefault = 600;
inline constexpr char MainWinPosX[] = "geometri/mainWinPosX";
inline constexpr char MainWinPosY[] = "geometri/mainWinPosY";
inline constexpr int MainWinPosDefault = 0;
inline constexpr char StartSerialNumber[] = "Setup/StartSerialNumber";
inline constexpr int StartSerialNumberDefault = 0;
// Whether a save keeps the database's former contents as a version of their own ("home.db~").
inline constexpr char KeepPreviousVersion[] = "Setup/KeepPreviousVersion";
inline constexpr bool KeepPreviousVersionDefault = true;
// The databases opened last, newest first.
inline constexpr char RecentDatabases[] = "RecentDatabases";
} // namespace Setting

// A settings object in the application's scope that does not fall back to other scopes.
std::unique_ptr<QSettings> openSettings();
