#pragma once

#include <QString>

class DBItemCollection;
class QIODevice;
struct FileWriteOutcome;

// The whole database as one XML document. Sorts the collection by group first, and the
// collection keeps that order. False when a write failed.
bool writeXml(DBItemCollection& collection, QIODevice& device);
// The same into a file, which is replaced only when the whole document was written; outcome,
// when given, tells how the writing went.
bool saveAsXml(DBItemCollection& collection, const QString& path, FileWriteOutcome* outcome = nullptr);
