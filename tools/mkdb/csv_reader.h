#pragma once

#include <QString>
#include <QStringList>

#include <vector>

struct CsvRecord {
    int line = 0;   // line of the file where the record begins
    QStringList cells;
};

// Reads an RFC-4180 file (comma separated, double quotes around cells that need them, a
// doubled quote inside quotes). Fails with the line of the fault.
bool readCsv(const QString& path, std::vector<CsvRecord>& records, QString& error);
