#pragma once

#include <sqlite3.h>

#include <cstdio>
#include <cstdlib>
#include <string>
#include <unordered_map>
#include <vector>

// SQLite's own interface doing the least work that a result needs: the floor a benchmark's
// figure is measured against. Its own connection on the same file; statements prepared once.
class SqliteFloor {
public:
    // One value as read from or bound to a statement.
    struct Cell {
        int type = SQLITE_NULL;
        double number = 0;
        sqlite3_int64 integer = 0;
        std::string text;
    };
    using Row = std::vector<Cell>;

    explicit SqliteFloor(const std::string& path)
    {
        check(sqlite3_open_v2(path.c_str(), &m_db, SQLITE_OPEN_READWRITE, nullptr), "open");
        sqlite3_busy_timeout(m_db, 5000);
    }
    ~SqliteFloor()
    {
        for (auto& [sql, stmt] : m_statements)
            sqlite3_finalize(stmt);
        sqlite3_close(m_db);
    }
    SqliteFloor(const SqliteFloor&) = delete;
    SqliteFloor& operator=(const SqliteFloor&) = delete;

    void exec(const char* sql) { check(sqlite3_exec(m_db, sql, nullptr, nullptr, nullptr), sql); }

    // Every row of a query, every column read into memory.
    std::vector<Row> rows(const std::string& sql, const Row& params = {})
    {
        sqlite3_stmt* s = statement(sql, params);
        std::vector<Row> out;
        const int n = sqlite3_column_count(s);
        int rc;
        while ((rc = sqlite3_step(s)) == SQLITE_ROW) {
            Row& row = out.emplace_back(size_t(n));
            for (int i = 0; i < n; ++i) {
                Cell& c = row[size_t(i)];
                c.type = sqlite3_column_type(s, i);
                if (c.type == SQLITE_FLOAT)
                    c.number = sqlite3_column_double(s, i);
                else if (c.type == SQLITE_INTEGER)
                    c.integer = sqlite3_column_int64(s, i);
                else if (c.type != SQLITE_NULL)
                    c.text.assign(reinterpret_cast<const char*>(sqlite3_column_text(s, i)),
                                  size_t(sqlite3_column_bytes(s, i)));
            }
        }
        check(rc == SQLITE_DONE ? SQLITE_OK : rc, sql.c_str());
        sqlite3_reset(s);
        return out;
    }

    // One run of a statement that returns no rows.
    void run(const std::string& sql, const Row& params)
    {
        sqlite3_stmt* s = statement(sql, params);
        const int rc = sqlite3_step(s);
        sqlite3_reset(s);
        check(rc == SQLITE_DONE ? SQLITE_OK : rc, sql.c_str());
    }

    static Cell integer(sqlite3_int64 v)
    {
        Cell c;
        c.type = SQLITE_INTEGER;
        c.integer = v;
        return c;
    }

private:
    sqlite3_stmt* statement(const std::string& sql, const Row& params)
    {
        sqlite3_stmt*& s = m_statements[sql];
        if (!s)
            check(sqlite3_prepare_v2(m_db, sql.c_str(), int(sql.size()), &s, nullptr), sql.c_str());
        for (size_t i = 0; i < params.size(); ++i) {
            const Cell& c = params[i];
            const int at = int(i) + 1;
            switch (c.type) {
            case SQLITE_FLOAT:
                sqlite3_bind_double(s, at, c.number);
                break;
            case SQLITE_INTEGER:
                sqlite3_bind_int64(s, at, c.integer);
                break;
            case SQLITE_NULL:
                sqlite3_bind_null(s, at);
                break;
            default:
                sqlite3_bind_text(s, at, c.text.data(), int(c.text.size()), SQLITE_STATIC);
            }
        }
        return s;
    }

    void check(int rc, const char* what)
    {
        if (rc == SQLITE_OK)
            return;
        std::fprintf(stderr, "floor: %s: %s\n", what, sqlite3_errmsg(m_db));
        std::exit(1);
    }

    sqlite3* m_db = nullptr;
    std::unordered_map<std::string, sqlite3_stmt*> m_statements;
};
