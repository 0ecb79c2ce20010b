#include "csv_reader.h"

#include <QFile>

bool readCsv(const QString& path, std::vector<CsvRecord>& records, QString& error)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("%1: cannot be read").arg(path);
        return false;
    }
    const QString text = QString::fromUtf8(file.readAll());
    int line = 1;
    CsvRecord record{line, {}};
    QString cell;
    bool quoted = false;
    bool cellStarted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < text.size() && text[i + 1] == QLatin1Char('"')) {
                    cell += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                if (c == QLatin1Char('\n'))
                    ++line;
                cell += c;
            }
            continue;
        }
        if (c == QLatin1Char('"') && !cellStarted) {
            quoted = true;
            cellStarted = true;
        } else if (c == QLatin1Char(',')) {
            record.cells << cell;
            cell.clear();
            cellStarted = false;
        } else if (c == QLatin1Char('\n') || c == QLatin1Char('\r')) {
            if (c == QLatin1Char('\r') && i + 1 < text.size() && text[i + 1] == QLatin1Char('\n'))
                ++i;
            record.cells << cell;
            records.push_back(record);
            cell.clear();
            cellStarted = false;
            record = CsvRecord{++line, {}};
        } else if (c == QLatin1Char('"')) {
            error = QStringLiteral("%1:%2: a quote inside an unquoted cell").arg(path).arg(line);
            return false;
        } else {
            cell += c;
            cellStarted = true;
        }
    }
    if (quoted) {
        error = QStringLiteral("%1:%2: a quoted cell is not closed").arg(path).arg(record.line);
        return false;
    }
    if (cellStarted || !record.cells.isEmpty()) {
        record.cells << cell;
        records.push_back(record);
    }
    return true;
}
