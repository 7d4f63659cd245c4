#pragma once

#include "DBItemCollection.h"
#include "ExportCommands.h"
#include "MessageBoxes.h"
#include "TestSettings.h"

#include <QTemporaryDir>
#include <QUrl>

#include <memory>

// The expected block of one item. values reads "Tag=value|Tag=value"; fields not named are
// empty. Each value is followed by suffix; with captions the column's caption comes first, and
// with locationOnly every other element is left out.
QByteArray block(const QByteArray& values, const QByteArray& suffix = {}, bool captions = false,
                 bool locationOnly = false);
QByteArray caption(int column);
Item* addItem(DBItemCollection& collection, int type, const QString& name, int location = 0, double priceToday = 0);
QByteArray readFile(const QString& path);

// Isolated settings, "AppData" pointed at a temporary folder, and records of what the exports
// hand to the desktop, the message boxes and the status bar.
struct ExportRecorder
{
    ExportRecorder();
    ~ExportRecorder();

    std::unique_ptr<TestSettings> settings = std::make_unique<TestSettings>();
    QTemporaryDir dir;
    QList<QUrl> opened;
    QList<MessageBoxes::Request> boxes;
    QList<QPair<QString, int>> messages;
    ExportCommands::MessageFunction message;
};
