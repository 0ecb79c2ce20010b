#include "data/value_codec.h"

#include <QtEndian>

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>

namespace {

QByteArray le16(quint16 v)
{
    QByteArray b(2, 0);
    qToLittleEndian(v, b.data());
    return b;
}
QByteArray le32(quint32 v)
{
    QByteArray b(4, 0);
    qToLittleEndian(v, b.data());
    return b;
}
QByteArray le64(quint64 v)
{
    QByteArray b(8, 0);
    qToLittleEndian(v, b.data());
    return b;
}
QByteArray f64(double d)
{
    quint64 u;
    std::memcpy(&u, &d, 8);
    return le64(u);
}
QByteArray f32(float f)
{
    quint32 u;
    std::memcpy(&u, &f, 4);
    return le32(u);
}

FileValue readOne(const QByteArray& bytes)
{
    ValueReader in(bytes);
    Result<FileValue> v = in.read();
    EXPECT_TRUE(v.ok()) << (v.ok() ? "" : qPrintable(v.error().description));
    EXPECT_TRUE(in.atEnd());
    return v.ok() ? *v : FileValue{};
}

const ColumnDef kText{"T", ColumnKind::Text, 255};
const ColumnDef kShortText{"STATE", ColumnKind::Text, 2};
const ColumnDef kMemo{"M", ColumnKind::Memo, 0};
const ColumnDef kDouble{"D", ColumnKind::Double, 0};
const ColumnDef kInt16{"I", ColumnKind::Int16, 0};
const ColumnDef kBool{"B", ColumnKind::Bool, 0};

Result<QVariant> into(const ColumnDef& c, const QByteArray& bytes)
{
    return fileValueToColumn(c, readOne(bytes));
}

}   // namespace

TEST(ValueCodec, ReadsEveryTypeCode)
{
    EXPECT_EQ(readOne(le16(0)).type, ValueType::Empty);
    EXPECT_EQ(readOne(le16(1)).type, ValueType::Null);
    EXPECT_EQ(readOne(le16(2) + le16(quint16(-300))).value.toDouble(), -300.0);
    EXPECT_EQ(readOne(le16(3) + le32(quint32(-70000))).value.toDouble(), -70000.0);
    EXPECT_EQ(readOne(le16(4) + f32(0.1f)).value.toFloat(), 0.1f);
    EXPECT_EQ(readOne(le16(5) + f64(1e-5)).value.toDouble(), 1e-5);
    EXPECT_EQ(readOne(le16(6) + le64(quint64(-12345))).value.toDouble(), -1.2345);
    EXPECT_EQ(readOne(le16(7) + f64(36526.75)).value.toDouble(), 36526.75);
    EXPECT_EQ(readOne(le16(8) + le16(3) + QByteArray("a\x80z")).value.toString(), QString::fromUtf8("a\xE2\x82\xAC"
                                                                                                    "z"));
    EXPECT_EQ(readOne(le16(11) + le16(0xFFFF)).value, QVariant(true));
    EXPECT_EQ(readOne(le16(11) + le16(0)).value, QVariant(false));
    EXPECT_EQ(readOne(le16(17) + QByteArray(1, char(200))).value.toDouble(), 200.0);
}

TEST(ValueCodec, RefusesUnknownCodesAndShortData)
{
    for (quint16 code : {9, 10, 12, 16, 18, 0x2008, 0xFFFF}) {
        ValueReader in(le16(code) + QByteArray(16, 0));
        EXPECT_FALSE(in.read().ok()) << code;
    }
    const QByteArray cut[] = {QByteArray(1, 0),
                              le16(2) + QByteArray(1, 0),
                              le16(3) + QByteArray(3, 0),
                              le16(5) + QByteArray(7, 0),
                              le16(8),
                              le16(8) + le16(5) + "abcd",
                              le16(11),
                              le16(17),
                              le16(6) + QByteArray(4, 0)};
    for (const QByteArray& bytes : cut) {
        ValueReader in(bytes);
        Result<FileValue> v = in.read();
        ASSERT_FALSE(v.ok()) << bytes.toHex().constData();
        EXPECT_EQ(v.error().number, kErrFormat);
    }
    ValueReader count(QByteArray(3, 0));
    EXPECT_FALSE(count.readInt32().ok());
}

TEST(ValueCodec, TextLengthIsUnsigned)
{
    const QByteArray text(40000, 'x');
    FileValue v = readOne(le16(8) + le16(40000) + text);
    EXPECT_EQ(v.value.toString().size(), 40000);
}

TEST(ValueCodec, ConvertsIntoTheColumnKind)
{
    EXPECT_FALSE(into(kDouble, le16(0))->isValid());
    EXPECT_FALSE(into(kText, le16(1))->isValid());
    EXPECT_EQ(into(kDouble, le16(2) + le16(7))->toDouble(), 7.0);
    EXPECT_EQ(into(kDouble, le16(4) + f32(10.1f))->toDouble(), double(10.1f));
    EXPECT_EQ(into(kDouble, le16(11) + le16(0xFFFF))->toDouble(), -1.0);
    EXPECT_EQ(into(kInt16, le16(5) + f64(2.5))->toLongLong(), 2);
    EXPECT_EQ(into(kInt16, le16(5) + f64(3.5))->toLongLong(), 4);
    EXPECT_FALSE(into(kInt16, le16(3) + le32(40000)).ok());
    EXPECT_EQ(into(kBool, le16(5) + f64(0.5))->toLongLong(), 1);
    EXPECT_EQ(into(kBool, le16(11) + le16(0))->toLongLong(), 0);
    EXPECT_EQ(into(kDouble, le16(7) + f64(36526.75))->toDouble(), 36526.75);
    EXPECT_EQ(into(kInt16, le16(7) + f64(-2.5))->toLongLong(), -2);
    EXPECT_FALSE(into(kInt16, le16(7) + f64(36526.0)).ok());
    EXPECT_EQ(into(kBool, le16(7) + f64(1.0))->toLongLong(), 1);
    EXPECT_EQ(into(kText, le16(5) + f64(1e-5))->toString(), "1E-05");
    EXPECT_EQ(into(kText, le16(4) + f32(10.1f))->toString(), "10.1");
    EXPECT_EQ(into(kText, le16(7) + f64(36526.75))->toString(), " Jan-01-2000 ");
    EXPECT_EQ(into(kText, le16(7) + f64(-1.5))->toString(), " Dec-29-1899 ");
    EXPECT_EQ(into(kMemo, le16(8) + le16(2) + "hi")->toString(), "hi");
}

TEST(ValueCodec, RefusesValuesTheColumnCannotHold)
{
    for (const ColumnDef& c : {kDouble, kInt16, kBool}) {
        EXPECT_FALSE(into(c, le16(8) + le16(1) + "5").ok()) << qPrintable(c.name);
    }
    EXPECT_FALSE(into(kDouble, le16(5) + f64(std::nan(""))).ok());
    EXPECT_FALSE(into(kDouble, le16(5) + f64(INFINITY)).ok());
    EXPECT_FALSE(into(kText, le16(5) + f64(INFINITY)).ok());
    EXPECT_FALSE(into(kText, le16(7) + f64(1e300)).ok());
    EXPECT_FALSE(into(kShortText, le16(8) + le16(3) + "ABC").ok());
    EXPECT_FALSE(into(kText, le16(8) + le16(256) + QByteArray(256, 'a')).ok());
    EXPECT_EQ(into(kMemo, le16(8) + le16(256) + QByteArray(256, 'a'))->toString().size(), 256);
}

TEST(ValueCodec, WritesWithTheColumnType)
{
    QByteArray out;
    ASSERT_TRUE(appendColumnValue(out, kText, QString::fromUtf8("O'Brien \xC3\xA9\xE2\x82\xAC")).ok());
    EXPECT_EQ(out, le16(8) + le16(10) + QByteArray("O'Brien \xE9\x80"));

    out.clear();
    ASSERT_TRUE(appendColumnValue(out, kDouble, 0.25).ok());
    ASSERT_TRUE(appendColumnValue(out, kInt16, qlonglong(-2)).ok());
    ASSERT_TRUE(appendColumnValue(out, kBool, qlonglong(1)).ok());
    ASSERT_TRUE(appendColumnValue(out, kBool, qlonglong(0)).ok());
    ASSERT_TRUE(appendColumnValue(out, kText, QVariant()).ok());
    ASSERT_TRUE(appendColumnValue(out, kText, QString()).ok());
    appendInt32(out, 3);
    EXPECT_EQ(out, le16(5) + f64(0.25) + le16(2) + le16(quint16(-2)) + le16(11) + le16(0xFFFF) + le16(11) + le16(0)
                       + le16(1) + le16(8) + le16(0) + le32(3));
}

TEST(ValueCodec, WriterRefusesWhatTheFileCannotCarry)
{
    QByteArray out;
    EXPECT_FALSE(appendColumnValue(out, kMemo, QString::fromUtf8("\xE4\xB8\xAD")).ok());
    EXPECT_FALSE(appendColumnValue(out, kMemo, QString(65536, QLatin1Char('a'))).ok());
    EXPECT_TRUE(appendColumnValue(out, kMemo, QString(65535, QLatin1Char('a'))).ok());
    EXPECT_FALSE(appendColumnValue(out, kDouble, QStringLiteral("abc")).ok());
}

TEST(ValueCodec, EveryWindows1252ByteRoundTrips)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all.append(char(b));
    FileValue v = readOne(le16(8) + le16(256) + all);
    QByteArray out;
    ASSERT_TRUE(appendColumnValue(out, kMemo, v.value).ok());
    EXPECT_EQ(out, le16(8) + le16(256) + all);
}
