// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// Where the program finds its installation data (translations, help pages, demo databases, the
// fallback lookup lists, the label templates) and how a relative link of an item is found.
//
// The data folder is found from the executable, never from the working directory: installed,
// the executable is <prefix>/bin/hestiva and its data is <prefix>/share/hestiva; in the build's
// runtime folder (build/stage) the data lies beside the executable. The data folder is only
// read: everything the program writes goes to the user's folders.

// The data folder for an executable in the given folder: "../share/hestiva" beside it when that
// exists, else the folder itself when it holds the staged tree ("help" and "db" in it), else
// "../share/hestiva" all the same (so that what is missing is named where it was looked for).
QString dataDirFor(const QString& executableDir);
// The program's data folder, found once from the running executable.
QString dataDir();
// Points dataDir() at a folder of the caller's choice (tests); an empty one finds it again.
void setDataDir(const QString& folder);
// A file or folder below the data folder, given relative to it ("help/index.dk.htm").
QString dataPath(const QString& relativePath);
// Whether a path (relative ones count from the working directory) lies in the data folder.
bool isInDataDir(const QString& path);

// The user's own label set-up folder: "Quorvane/Setup" in the user's configuration folder
// (~/.config/Quorvane/Setup). Files there take precedence over the installed ones.
QString userSetupDir();
// A file of the label set-up ("BarcodeFormatFile.txt", "PrinterDevice.txt"): the user's own
// when it is there, else the installed one.
QString setupFilePath(const QString& name);

// Whether a link names a web address or another URL ("https://...", "mailto:...") rather than
// a file. A scheme needs two letters at least, so that a drive letter ("C:/...") stays a file.
bool isUrlLink(const QString& link);
// The file an item's link names. A relative link is tried against the working directory, then
// against the database's folder; the first that exists is returned as an absolute path. URLs,
// absolute paths and relative links found in neither place are returned as they are.
QString resolveLink(const QString& link, const QString& databaseDir);
// What an item's web link opens. A link with a scheme ("https://...", "mailto:...") as it is; one
// without ("www.example.com", "example.com/page") as an https address, the way a browser's
// address bar takes it. An absolute path, or a relative one that names a file found by
// resolveLink (a page saved beside the database), stays a file.
QString webLinkTarget(const QString& link, const QString& databaseDir);
