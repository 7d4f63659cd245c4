// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "ProgramVariant.h"

#include <QByteArray>
#include <QString>

// The user's own copy of a product's demo database. The demo databases in the data folder are
// only read: at a product's first start the demo of the language is copied, with its lookup
// lists, pictures, receipts and documents, into the user's data folder and opened from there,
// so that it can be edited and saved at once.

// The folder of the copy: the demo's folder name in the product's folder below the user's data
// folder, for example ~/.local/share/Quorvane/Domvara/DemoDBStd.
QString userDemoDatabaseDir(ProgramVariant variant);
// The copied demo database of a language in that folder.
QString userDemoDatabaseFile(ProgramVariant variant, const QByteArray& language);

// A demo database's text with its links into the demo folder ("db/DemoDBStd/pictures/tent.jpg")
// made relative to the database's own folder ("pictures/tent.jpg"), so that they name the files
// copied beside it. Every other byte stays as it is.
QByteArray relinkDemoDatabase(const QByteArray& database, const QString& demoDir);

// Copies the demo database of the language from the data folder into the user's copy, with
// everything beside it but the other languages' databases. A file the copy already has is kept:
// it may hold the user's own changes. False, with the reason, when the copy could not be made.
bool copyDemoDatabase(ProgramVariant variant, const QByteArray& language, QString* error = nullptr);

// The database to open for a file the user chose: one of the running product's demo databases
// in the data folder is opened as the user's copy (made where the copy lacks it), any other file
// as it is. Empty, with the reason, when the copy could not be made.
QString userDatabaseFor(const QString& chosen, QString* error = nullptr);

// Decides the database the running product opens at start. When the settings name none yet
// ("LastSavedDBFile" missing), or one in the data folder (or relative, as the demo was named
// once), or the user's copy of the demo, the demo of the language is copied where the copy
// lacks it, and "LastSavedDBFile" and "LastDBDir" name the copy. False, with the reason, when
// the copy could not be made.
bool prepareStartDatabase(QString* error = nullptr);
