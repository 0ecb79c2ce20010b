#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

// A database file and what SQLite keeps beside it (its log, the log's index, its journal), byte
// for byte, by the suffix of their names; a file that is not there has no entry.
using DatabaseFiles = QMap<QString, QByteArray>;

// Reads them. Reading closes the files again, which drops this process's locks on the database:
// hold a connection that must keep its locks in another process.
DatabaseFiles databaseFiles(const QString& path);

// Writes them back as they were read, and removes those that were not there.
void putBack(const QString& path, const DatabaseFiles& files);
