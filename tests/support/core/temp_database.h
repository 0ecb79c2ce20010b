#pragma once

#include "data/program_state.h"
#include "data/schema.h"

#include <QTemporaryDir>
#include <QVariantMap>

// A program folder in a temporary directory with an empty database of the full schema at
// ChemDB/TOVIv3.0.db, and a program state whose connection is open on it.
class TempDatabase {
public:
    TempDatabase();

    QString folder() const { return m_dir.path(); }
    QString path() const { return state.databasePath(); }
    Connection& conn() { return *state.gConn; }

    // Inserts one row; columns by name. Fails the test on an error.
    void insert(const QString& table, const QVariantMap& values);
    // A SITEINFO and a WMUINFO row for an analysis.
    void insertAnalysis(qint32 key, const QString& name, const QVariantMap& site = {}, const QVariantMap& unit = {});
    qint64 count(const QString& table);
    // An md5 of the database file after a checkpoint, to show that nothing changed.
    QByteArray checksum();

    ProgramState state;

private:
    QTemporaryDir m_dir;
};
