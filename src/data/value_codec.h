#pragma once

#include "data/schema.h"
#include "platform/db/result.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QVariant>

// The tagged values of the analysis files (.TVN, version 2.0) and of the chemical-table file
// (.TVX): a 2-byte little-endian type code, then the data the code calls for. Text is
// Windows-1252 with an unsigned 2-byte length.
enum class ValueType : quint16 {
    Empty = 0,
    Null = 1,
    Int16 = 2,
    Int32 = 3,
    Single = 4,
    Double = 5,
    Currency = 6,   // 8-byte integer, the value times 10000
    Date = 7,       // days since 30 December 1899, the fraction being the time of day
    Text = 8,
    Bool = 11,   // -1 true, 0 false
    Byte = 17,
};

// One value as a file holds it. `value` is invalid for Empty and Null, a bool for Bool, a
// QString for Text, a float for Single and a double for every other type (a date as its day
// number, currency as its value).
struct FileValue {
    ValueType type = ValueType::Null;
    QVariant value;
};

bool isNumberType(ValueType type);   // the integer, float, currency and byte types

// Reads tagged values from a byte buffer, checking every length against the bytes left.
class ValueReader {
public:
    explicit ValueReader(QByteArrayView bytes, qsizetype offset = 0) : m_bytes(bytes), m_pos(offset) {}

    bool atEnd() const { return m_pos >= m_bytes.size(); }
    qsizetype remaining() const { return atEnd() ? 0 : m_bytes.size() - m_pos; }
    qsizetype position() const { return m_pos; }

    Result<FileValue> read();
    Result<qint32> readInt32();   // a bare 4-byte count

private:
    bool take(qsizetype n, const char** data);

    QByteArrayView m_bytes;
    qsizetype m_pos;
};

// The most bytes a tagged value that `column` accepts can take: its type code and a double, or
// its type code, length and the column's width of text.
qsizetype largestValueBytes(const ColumnDef& column);

// What a value read from a file stores in a column: Empty and Null give NULL; number
// columns take any number type (a yes/no value as -1 or 0, a date as its day number); yes/no
// columns take a yes/no value, a date or any number (non-zero is true); text columns take
// text, a date as " Mmm-dd-yyyy " and a number in its general text form. Anything else fails,
// and so does a value the column cannot hold (too long, out of range, not finite).
Result<QVariant> fileValueToColumn(const ColumnDef& column, const FileValue& value);

// Appends the tagged value of a stored value with the type of its column: text 8, double 5,
// single 4, 16-bit 2, 32-bit 3, yes/no 11, NULL 1. Fails on a value the column cannot hold,
// a text longer than 65535 bytes and a character that Windows-1252 lacks.
Status appendColumnValue(QByteArray& out, const ColumnDef& column, const QVariant& stored);
void appendInt32(QByteArray& out, qint32 value);
