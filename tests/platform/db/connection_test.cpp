#include "platform/db/recordset.h"
#include "platform/db/transaction.h"
#include "platform/db/variant_number.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

class DbTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        path = dir.filePath(QStringLiteral("t.db"));
        QFile(path).open(QIODevice::WriteOnly);
        auto c = Connection::open(path);
        ASSERT_TRUE(c.ok());
        conn = std::move(*c);
        ASSERT_TRUE(conn->exec(QStringLiteral("CREATE TABLE T (K INTEGER, NAME TEXT COLLATE NOCASE, V REAL)")).ok());
        ASSERT_TRUE(conn->exec(QStringLiteral("CREATE UNIQUE INDEX T_NAME ON T (NAME)")).ok());
        for (int k = 1; k <= 3; ++k)
            ASSERT_TRUE(
                conn->exec(QStringLiteral("INSERT INTO T VALUES (?,?,?)"), {k, QStringLiteral("n%1").arg(k), k * 1.5})
                    .ok());
    }
    qint64 count() { return conn->scalar(QStringLiteral("SELECT count(*) FROM T"))->toLongLong(); }

    QTemporaryDir dir;
    QString path;
    std::unique_ptr<Connection> conn;
};

TEST(ConnectionOpen, RefusesWhatIsNoWritableDatabase)
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("missing.db"));
    EXPECT_FALSE(Connection::open(missing).ok());
    EXPECT_FALSE(QFile::exists(missing)) << "opening must never create the file";

    EXPECT_FALSE(Connection::open(dir.path()).ok()) << "a folder is no database";

    const QString garbage = dir.filePath(QStringLiteral("garbage.db"));
    {
        QFile f(garbage);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QByteArray(4096, 'x'));
    }
    auto g = Connection::open(garbage);
    ASSERT_FALSE(g.ok());
    EXPECT_EQ(g.error().number, kSqliteNotADb);

    const QString readOnly = dir.filePath(QStringLiteral("ro.db"));
    QFile(readOnly).open(QIODevice::WriteOnly);
    QFile::setPermissions(readOnly, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    EXPECT_FALSE(Connection::open(readOnly).ok());
    EXPECT_TRUE(Connection::open(readOnly, Connection::Mode::ReadOnly).ok());

    QDir(dir.path()).mkdir(QStringLiteral("locked"));
    const QString inLocked = dir.filePath(QStringLiteral("locked/a.db"));
    QFile(inLocked).open(QIODevice::WriteOnly);
    QFile::setPermissions(dir.filePath(QStringLiteral("locked")), QFile::ReadOwner | QFile::ExeOwner);
    EXPECT_FALSE(Connection::open(inLocked).ok()) << "the folder must be writable for the journal";
    QFile::setPermissions(dir.filePath(QStringLiteral("locked")),
                          QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    // A file put at the path between its check and its open is checked in its turn.
    const QString swapped = dir.filePath(QStringLiteral("swapped.db"));
    QFile(swapped).open(QIODevice::WriteOnly);
    int checks = 0;
    EXPECT_FALSE(Connection::open(swapped, Connection::Mode::ReadWrite, [&](Connection&) {
                     const bool first = ++checks == 1 && QFile::remove(swapped)
                                        && QFile(swapped).open(QIODevice::WriteOnly);
                     return first ? Status() : Status(Error{kErrSchema, QStringLiteral("not the file checked")});
                 }).ok());
}

TEST_F(DbTest, DuplicateIsTheUniqueConstraintCodeAndNullsRoundTrip)
{
    auto dup = conn->exec(QStringLiteral("INSERT INTO T VALUES (9, 'N1', 0)"));
    ASSERT_FALSE(dup.ok());
    EXPECT_EQ(dup.error().number, kSqliteConstraintUnique) << "names compare without letter case";

    ASSERT_TRUE(conn->exec(QStringLiteral("INSERT INTO T VALUES (?,?,?)"), {4, QVariant(), 2.5f}).ok());
    auto rows = conn->select(QStringLiteral("SELECT NAME, V, typeof(V) FROM T WHERE K = ?"), {4});
    ASSERT_TRUE(rows.ok());
    ASSERT_FALSE(rows->rows.empty());
    EXPECT_FALSE(rows->rows[0][0].isValid());
    EXPECT_EQ(rows->rows[0][1].toDouble(), 2.5);
    EXPECT_EQ(rows->rows[0][2].toString(), QStringLiteral("real")) << "a float is bound as a number";
}

TEST_F(DbTest, StatementsAreReusedWithEveryParameterBoundAnew)
{
    const QString sql = QStringLiteral("SELECT K FROM T WHERE NAME = ? OR K = ? ORDER BY K");
    for (const auto& [params, expected] : std::vector<std::pair<QVariantList, QVariantList>>{
             {{QStringLiteral("n1"), 3}, {1LL, 3LL}},
             {{QString(), 2}, {2LL}},   // a null text binds NULL, which matches nothing
             {{QStringLiteral("N3"), QVariant()}, {3LL}},
         }) {
        auto rows = conn->select(sql, params);
        ASSERT_TRUE(rows.ok()) << qPrintable(rows.error().description);
        QVariantList keys;
        for (const auto& r : rows->rows)
            keys << r[0];
        EXPECT_EQ(keys, expected);
    }
    EXPECT_FALSE(conn->select(sql, {1}).ok()) << "too few values";
    EXPECT_FALSE(conn->select(sql, {1, 2, 3}).ok()) << "too many values";
    EXPECT_FALSE(conn->exec(QStringLiteral("DELETE FROM T; DELETE FROM T")).ok()) << "one statement at a time";
    EXPECT_EQ(count(), 3);

    auto insert = conn->prepare(QStringLiteral("INSERT INTO T VALUES (?,?,?)"));
    ASSERT_TRUE(insert.ok());
    ASSERT_TRUE(insert->exec({8, QStringLiteral("n8"), true}).ok());
    EXPECT_EQ(insert->exec({9, QStringLiteral("N8"), 0}).error().number, kSqliteConstraintUnique);
    ASSERT_TRUE(insert->exec({9, QStringLiteral("n9"), QByteArray("x")}).ok()) << "the failed run left it usable";
    EXPECT_EQ(conn->scalar(QStringLiteral("SELECT V FROM T WHERE K = 8"))->toDouble(), 1.0) << "true binds as 1";
    EXPECT_EQ(conn->scalar(QStringLiteral("SELECT V FROM T WHERE K = 9"))->toByteArray(), QByteArray("x"));

    auto names = conn->select(QStringLiteral("SELECT K AS a, NAME AS A, V AS b FROM T WHERE K = 1"));
    ASSERT_TRUE(names.ok());
    EXPECT_EQ(names->columnIndex(QStringLiteral("A")), 0) << "the first column of a name, in any letter case";
    EXPECT_EQ(names->columnIndex(QStringLiteral("B")), 2);
    EXPECT_EQ(names->columnIndex(QStringLiteral("c")), -1);
}

TEST_F(DbTest, RecordsetSnapshotEditsByRowid)
{
    auto rs = Recordset::openTable(*conn, QStringLiteral("T"), QStringLiteral("K >= ?"), {2});
    ASSERT_TRUE(rs.ok());
    EXPECT_EQ(rs->recordCount(), 2);
    EXPECT_EQ(rs->fieldCount(), 3);
    EXPECT_EQ(rs->value(QStringLiteral("name")).toString(), QStringLiteral("n2"));
    EXPECT_EQ(rs->value(2).toDouble(), 3.0);

    rs->setValue(QStringLiteral("V"), 30.0);
    EXPECT_EQ(rs->editMode(), Recordset::EditMode::Edit);
    ASSERT_TRUE(rs->update().ok());
    EXPECT_EQ(conn->scalar(QStringLiteral("SELECT V FROM T WHERE K=2"))->toDouble(), 30.0);

    rs->setValue(QStringLiteral("V"), 99.0);
    rs->cancelUpdate();
    EXPECT_EQ(rs->value(QStringLiteral("V")).toDouble(), 30.0);
    EXPECT_EQ(conn->scalar(QStringLiteral("SELECT V FROM T WHERE K=2"))->toDouble(), 30.0);

    rs->addNew();
    rs->setValue(QStringLiteral("K"), 7);
    rs->setValue(QStringLiteral("NAME"), QStringLiteral("n7"));
    ASSERT_TRUE(rs->update().ok());
    EXPECT_EQ(rs->recordCount(), 3);
    EXPECT_EQ(rs->value(QStringLiteral("K")).toInt(), 7) << "the new row is the current one";
    EXPECT_FALSE(rs->value(QStringLiteral("V")).isValid());

    rs->moveFirst();
    ASSERT_TRUE(rs->deleteCurrent().ok());
    EXPECT_EQ(rs->recordCount(), 2);
    EXPECT_EQ(rs->value(QStringLiteral("K")).toInt(), 3) << "after a delete the next row is current";
    EXPECT_EQ(count(), 3);

    rs->moveLast();
    rs->moveNext();
    EXPECT_TRUE(rs->eof());
    EXPECT_TRUE(rs->deleteCurrent().ok() == false);
}

TEST_F(DbTest, FailedWritesLeaveTheSnapshotAndTableAlone)
{
    auto rs = Recordset::openTable(*conn, QStringLiteral("T"));
    ASSERT_TRUE(rs.ok());
    rs->setValue(QStringLiteral("NOSUCH"), 1);
    EXPECT_FALSE(rs->update().ok()) << "an unknown field fails the update";

    rs->setConverter([](const QString&, const QVariant& v) -> Result<QVariant> {
        if (v.toDouble() < 0)
            return Error{kErrConversion, QStringLiteral("negative")};
        return v;
    });
    rs->setValue(QStringLiteral("V"), -1.0);
    EXPECT_FALSE(rs->update().ok());
    EXPECT_EQ(rs->editMode(), Recordset::EditMode::Edit) << "the edit stays pending for a retry";
    rs->cancelUpdate();

    rs->setValue(QStringLiteral("NAME"), QStringLiteral("N2"));
    auto dup = rs->update();
    ASSERT_FALSE(dup.ok());
    EXPECT_EQ(dup.error().number, kSqliteConstraintUnique);
    rs->cancelUpdate();
    EXPECT_EQ(rs->value(QStringLiteral("NAME")).toString(), QStringLiteral("n1"));

    auto view = Recordset::openQuery(*conn, QStringLiteral("SELECT K FROM T ORDER BY K"));
    ASSERT_TRUE(view.ok());
    view->setValue(0, 5);
    EXPECT_FALSE(view->update().ok()) << "a query snapshot is read-only";

    Recordset never;
    never.close();
    never.cancelUpdate();
    EXPECT_FALSE(never.isOpen());
}

TEST_F(DbTest, TransactionsRollBackUnlessCommittedAndNest)
{
    {
        Transaction tx(*conn);
        ASSERT_TRUE(tx.started().ok());
        ASSERT_TRUE(conn->exec(QStringLiteral("DELETE FROM T")).ok());
    }
    EXPECT_EQ(count(), 3);

    {
        Transaction outer(*conn);
        ASSERT_TRUE(conn->exec(QStringLiteral("DELETE FROM T WHERE K=1")).ok());
        {
            Transaction inner(*conn);
            ASSERT_TRUE(inner.started().ok());
            ASSERT_TRUE(conn->exec(QStringLiteral("DELETE FROM T")).ok());
        }
        EXPECT_EQ(count(), 2) << "the inner roll-back keeps the outer's work";
        ASSERT_TRUE(outer.commit().ok());
    }
    EXPECT_EQ(count(), 2);
    EXPECT_FALSE(conn->inTransaction());

    auto other = Connection::open(path);
    ASSERT_TRUE(other.ok());
    EXPECT_EQ((*other)->scalar(QStringLiteral("SELECT count(*) FROM T"))->toLongLong(), 2)
        << "a second connection sees the committed state";
}

// Rows read in place give what select() gives, value by value; a handler's failure stops the
// reading and leaves the statement ready for the next call.
TEST_F(DbTest, RowsReadInPlaceMatchTheFetchedRows)
{
    ASSERT_TRUE(
        conn->exec(QStringLiteral("INSERT INTO T VALUES (?,?,?)"), {4, QVariant(), QStringLiteral("2.5x")}).ok());
    ASSERT_TRUE(conn->exec(QStringLiteral("INSERT INTO T VALUES (?,?,?)"), {5, 7, QByteArray("b")}).ok());
    const QString sql = QStringLiteral("SELECT K, NAME, V FROM T WHERE K >= ? ORDER BY K");
    const QueryRows fetched = conn->select(sql, {1}).value();

    struct Seen {
        QVariantList values;
        std::vector<std::optional<double>> numbers;
        QStringList texts;
        std::vector<bool> nulls;
        qint64 key = 0;
    };
    std::vector<Seen> seen;
    QStringList columns;
    ASSERT_TRUE(conn->forEachRow(
                        sql, {1},
                        [&seen](const RowReader& r) -> Status {
                            Seen s;
                            for (int i = 0; i < r.columnCount(); ++i) {
                                s.values << r.value(i);
                                s.numbers.push_back(r.number(i));
                                s.texts << r.text(i);
                                s.nulls.push_back(r.isNull(i));
                            }
                            s.key = r.integer(0);
                            seen.push_back(s);
                            return {};
                        },
                        &columns)
                    .ok());
    EXPECT_EQ(columns, fetched.columns);
    ASSERT_EQ(seen.size(), fetched.rows.size());
    for (size_t row = 0; row < seen.size(); ++row) {
        EXPECT_EQ(seen[row].key, fetched.rows[row][0].toLongLong());
        for (int i = 0; i < 3; ++i) {
            const QVariant& v = fetched.rows[row][i];
            EXPECT_EQ(seen[row].values[i], v);
            EXPECT_EQ(seen[row].values[i].typeId(), v.typeId());
            EXPECT_EQ(seen[row].nulls[size_t(i)], !v.isValid());
            EXPECT_EQ(seen[row].texts[i], v.toString()) << "row " << row << " column " << i;
            EXPECT_EQ(seen[row].texts[i].isNull(), !v.isValid());
            EXPECT_EQ(seen[row].numbers[size_t(i)], variantNumber(v));
        }
    }
    EXPECT_EQ(seen[3].numbers[2], std::nullopt) << "text is no number, even when it starts like one";
    EXPECT_EQ(seen[0].texts[2], QStringLiteral("1.5")) << "a number reads as the text of its value";

    int calls = 0;
    const Status stopped = conn->forEachRow(sql, {1}, [&calls](const RowReader&) -> Status {
        return ++calls == 2 ? Status(Error{kErrFormat, QStringLiteral("stop")}) : Status();
    });
    ASSERT_FALSE(stopped.ok());
    EXPECT_EQ(stopped.error().number, kErrFormat);
    EXPECT_EQ(calls, 2);
    EXPECT_EQ(conn->select(sql, {3})->rows.size(), 3u) << "the statement was reset and binds anew";
    EXPECT_FALSE(conn->forEachRow(sql, {}, [](const RowReader&) { return Status(); }).ok()) << "too few values";
    QStringList none;
    ASSERT_TRUE(conn->forEachRow(
                        sql, {99}, [](const RowReader&) { return Status(); }, &none)
                    .ok());
    EXPECT_EQ(none, fetched.columns) << "the names come without any row";
}

// A text beginning with U+FEFF, bound as a variant or as a bind value, reads back whole.
TEST_F(DbTest, ALeadingFeffIsKept)
{
    const QString text = QString(QChar(0xFEFF)) + QChar(0xFEFF) + "n";
    const std::vector<BindValue> bound = {qint32(5), text};
    ASSERT_TRUE(conn->exec(QStringLiteral("INSERT INTO T VALUES (4, ?, 0)"), {text.mid(1)}).ok());
    ASSERT_TRUE(conn->prepare(QStringLiteral("INSERT INTO T VALUES (?, ?, 0)"))->exec(std::span(bound)).ok());
    QStringList inPlace;
    ASSERT_TRUE(conn->forEachRow(QStringLiteral("SELECT NAME FROM T WHERE K > 3 ORDER BY K"), {},
                                 [&inPlace](const RowReader& r) {
                                     inPlace << r.text(0);
                                     return Status();
                                 })
                    .ok());
    EXPECT_EQ(inPlace, QStringList({text.mid(1), text}));
    EXPECT_EQ(conn->scalar(QStringLiteral("SELECT NAME FROM T WHERE K = 5"))->toString(), text);
    EXPECT_FALSE(conn->exec(QStringLiteral("INSERT INTO T VALUES (6, ?, 0)"), {text + QChar(0xD800)}).ok())
        << "half a pair";
}

// Typed values bind as their QVariant counterparts do.
TEST_F(DbTest, TypedValuesBindAsTheirVariants)
{
    auto insert = conn->prepare(QStringLiteral("INSERT INTO T VALUES (?,?,?)"));
    ASSERT_TRUE(insert.ok());
    const QString name = QStringLiteral("n8");
    const QString nullText;
    const std::optional<double> none;
    const std::vector<std::vector<BindValue>> rows = {
        {qint32(8), name, std::optional<double>(0.25)},
        {qint64(1) << 40, nullText, none},
        {qint32(10), name, 3.0},
    };
    ASSERT_TRUE(insert->exec(std::span<const BindValue>(rows[0])).ok());
    ASSERT_TRUE(insert->exec(std::span<const BindValue>(rows[1])).ok());
    EXPECT_EQ(insert->exec(std::span<const BindValue>(rows[2])).error().number, kSqliteConstraintUnique);
    const std::vector<BindValue> tooFew = {qint32(11)};
    EXPECT_FALSE(insert->exec(std::span<const BindValue>(tooFew)).ok());

    const QueryRows stored =
        conn->select(
                QStringLiteral("SELECT K, typeof(K), NAME, typeof(NAME), V, typeof(V) FROM T WHERE K > 3 ORDER BY K"))
            .value();
    ASSERT_EQ(stored.rows.size(), 2u);
    EXPECT_EQ(stored.rows[0], (QVector<QVariant>{8LL, QStringLiteral("integer"), name, QStringLiteral("text"), 0.25,
                                                 QStringLiteral("real")}));
    EXPECT_EQ(stored.rows[1], (QVector<QVariant>{1LL << 40, QStringLiteral("integer"), QVariant(),
                                                 QStringLiteral("null"), QVariant(), QStringLiteral("null")}))
        << "a null text and an empty number bind as NULL";
}

}   // namespace
