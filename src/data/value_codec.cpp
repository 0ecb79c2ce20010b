#include "data/value_codec.h"

#include "platform/text/dates.h"
#include "platform/text/number_format.h"
#include "platform/text/windows1252.h"

#include <QDate>
#include <QtEndian>

#include <cmath>
#include <cstring>
#include <limits>

namespace {

// The range of dates the files can carry: 1 January 100 to 31 December 9999.
constexpr double kFirstDay = -657434.0;
constexpr double kLastDay = 2958465.0;

Error formatError(const QString& text)
{
    return Error{kErrFormat, text};
}

template <class T>
T little(const char* data)
{
    T v;
    std::memcpy(&v, data, sizeof v);
    return qFromLittleEndian(v);
}

template <class T>
void appendLittle(QByteArray& out, T value)
{
    const T v = qToLittleEndian(value);
    out.append(reinterpret_cast<const char*>(&v), sizeof v);
}

double doubleOf(const char* data)
{
    const quint64 bits = little<quint64>(data);
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

float floatOf(const char* data)
{
    const quint32 bits = little<quint32>(data);
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
}

void appendType(QByteArray& out, ValueType type)
{
    appendLittle(out, quint16(type));
}

QString typeName(ValueType type)
{
    switch (type) {
    case ValueType::Text:
        return QStringLiteral("text");
    case ValueType::Date:
        return QStringLiteral("a date");
    case ValueType::Bool:
        return QStringLiteral("a yes/no value");
    default:
        return QStringLiteral("a number");
    }
}

std::optional<QDate> dateOfDays(double days)
{
    if (!(days >= kFirstDay && days < kLastDay + 1))
        return std::nullopt;
    return QDate(1899, 12, 30).addDays(qint64(std::trunc(days)));
}

Error refused(const ColumnDef& column, ValueType type)
{
    return formatError(QStringLiteral("The file holds %1 where %2 belongs.").arg(typeName(type), column.name));
}

}   // namespace

bool isNumberType(ValueType type)
{
    switch (type) {
    case ValueType::Int16:
    case ValueType::Int32:
    case ValueType::Single:
    case ValueType::Double:
    case ValueType::Currency:
    case ValueType::Byte:
        return true;
    default:
        return false;
    }
}

bool ValueReader::take(qsizetype n, const char** data)
{
    if (remaining() < n)
        return false;
    *data = m_bytes.data() + m_pos;
    m_pos += n;
    return true;
}

Result<qint32> ValueReader::readInt32()
{
    const char* d = nullptr;
    if (!take(4, &d))
        return formatError(QStringLiteral("The file ends before its last value."));
    return little<qint32>(d);
}

Result<FileValue> ValueReader::read()
{
    const Error ended = formatError(QStringLiteral("The file ends before its last value."));
    const char* d = nullptr;
    if (!take(2, &d))
        return ended;
    const quint16 code = little<quint16>(d);
    const auto type = ValueType(code);
    FileValue v{type, QVariant()};
    switch (type) {
    case ValueType::Empty:
    case ValueType::Null:
        return v;
    case ValueType::Int16:
        if (!take(2, &d))
            return ended;
        v.value = double(little<qint16>(d));
        return v;
    case ValueType::Int32:
        if (!take(4, &d))
            return ended;
        v.value = double(little<qint32>(d));
        return v;
    case ValueType::Single:
        if (!take(4, &d))
            return ended;
        v.value = floatOf(d);
        return v;
    case ValueType::Double:
    case ValueType::Date:
        if (!take(8, &d))
            return ended;
        v.value = doubleOf(d);
        return v;
    case ValueType::Currency:
        if (!take(8, &d))
            return ended;
        v.value = double(little<qint64>(d)) / 10000.0;
        return v;
    case ValueType::Text: {
        if (!take(2, &d))
            return ended;
        const quint16 length = little<quint16>(d);
        if (!take(length, &d))
            return ended;
        v.value = fromWindows1252(QByteArrayView(d, length));
        return v;
    }
    case ValueType::Bool:
        if (!take(2, &d))
            return ended;
        v.value = little<qint16>(d) != 0;
        return v;
    case ValueType::Byte:
        if (!take(1, &d))
            return ended;
        v.value = double(static_cast<unsigned char>(*d));
        return v;
    }
    return formatError(QStringLiteral("The file holds a value of the unknown type %1.").arg(code));
}

qsizetype largestValueBytes(const ColumnDef& column)
{
    constexpr qsizetype kNumber = 2 + 8;
    switch (column.kind) {
    case ColumnKind::Text:
        return qMax(kNumber, 2 + 2 + qsizetype(column.width));
    case ColumnKind::Memo:
        return 2 + 2 + std::numeric_limits<quint16>::max();
    default:
        return kNumber;
    }
}

Result<QVariant> fileValueToColumn(const ColumnDef& column, const FileValue& v)
{
    if (v.type == ValueType::Empty || v.type == ValueType::Null)
        return QVariant();

    QVariant plain;
    switch (column.kind) {
    case ColumnKind::Text:
    case ColumnKind::Memo:
        if (v.type == ValueType::Text) {
            plain = v.value;
        } else if (v.type == ValueType::Date) {
            const std::optional<QDate> date = dateOfDays(v.value.toDouble());
            if (!date)
                return formatError(QStringLiteral("The file holds a date out of range for %1.").arg(column.name));
            plain = formatDateChecked(*date);
        } else if (v.type == ValueType::Bool) {
            plain = v.value;
        } else if (!std::isfinite(v.value.toDouble())) {
            return formatError(QStringLiteral("The file holds a number that is not finite for %1.").arg(column.name));
        } else if (v.type == ValueType::Single) {
            plain = generalTextSingle(v.value.toFloat());
        } else {
            plain = generalText(v.value.toDouble());
        }
        break;
    case ColumnKind::Bool:
    case ColumnKind::Double:
    case ColumnKind::Single:
    case ColumnKind::Int16:
    case ColumnKind::Int32:
        if (v.type != ValueType::Bool && v.type != ValueType::Date && !isNumberType(v.type))
            return refused(column, v.type);
        plain = v.type == ValueType::Single ? QVariant(double(v.value.toFloat())) : v.value;
        break;
    }
    Result<QVariant> stored = convertToColumn(column, plain);
    if (!stored)
        return formatError(stored.error().description);
    return stored;
}

void appendInt32(QByteArray& out, qint32 value)
{
    appendLittle(out, value);
}

Status appendColumnValue(QByteArray& out, const ColumnDef& column, const QVariant& stored)
{
    Result<QVariant> value = convertToColumn(column, stored);
    if (!value)
        return value.error();
    if (!value->isValid()) {
        appendType(out, ValueType::Null);
        return {};
    }
    switch (column.kind) {
    case ColumnKind::Text:
    case ColumnKind::Memo: {
        bool ok = false;
        const QByteArray bytes = toWindows1252(value->toString(), &ok);
        if (!ok)
            return Error{
                kErrConversion,
                QStringLiteral("The value for %1 holds a character that the file cannot carry.").arg(column.name)};
        if (bytes.size() > std::numeric_limits<quint16>::max())
            return Error{kErrConversion, QStringLiteral("The value for %1 is too long for the file.").arg(column.name)};
        appendType(out, ValueType::Text);
        appendLittle(out, quint16(bytes.size()));
        out.append(bytes);
        return {};
    }
    case ColumnKind::Double: {
        appendType(out, ValueType::Double);
        const double d = value->toDouble();
        quint64 bits;
        std::memcpy(&bits, &d, sizeof bits);
        appendLittle(out, bits);
        return {};
    }
    case ColumnKind::Single: {
        appendType(out, ValueType::Single);
        const float f = float(value->toDouble());
        quint32 bits;
        std::memcpy(&bits, &f, sizeof bits);
        appendLittle(out, bits);
        return {};
    }
    case ColumnKind::Int16:
        appendType(out, ValueType::Int16);
        appendLittle(out, qint16(value->toLongLong()));
        return {};
    case ColumnKind::Int32:
        appendType(out, ValueType::Int32);
        appendLittle(out, qint32(value->toLongLong()));
        return {};
    case ColumnKind::Bool:
        appendType(out, ValueType::Bool);
        appendLittle(out, qint16(value->toLongLong() != 0 ? -1 : 0));
        return {};
    }
    return {};
}
