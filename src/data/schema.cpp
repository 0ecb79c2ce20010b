#include "data/schema.h"

#include "platform/db/sql_names.h"
#include "platform/db/transaction.h"
#include "platform/db/variant_number.h"
#include "platform/text/number_format.h"
#include "platform/text/number_parse.h"

#include <QHash>

#include <cmath>
#include <limits>

namespace {

constexpr int kTextWidth = 255;

ColumnDef text(const char* name, int width = kTextWidth)
{
    return {QString::fromLatin1(name), ColumnKind::Text, width};
}
ColumnDef memo(const char* name)
{
    return {QString::fromLatin1(name), ColumnKind::Memo, 0};
}
ColumnDef dbl(const QString& name)
{
    return {name, ColumnKind::Double, 0};
}
ColumnDef dbl(const char* name)
{
    return dbl(QString::fromLatin1(name));
}
ColumnDef single(const QString& name)
{
    return {name, ColumnKind::Single, 0};
}
ColumnDef int16(const char* name)
{
    return {QString::fromLatin1(name), ColumnKind::Int16, 0};
}
ColumnDef int32(const char* name)
{
    return {QString::fromLatin1(name), ColumnKind::Int32, 0};
}
ColumnDef boolean(const char* name)
{
    return {QString::fromLatin1(name), ColumnKind::Bool, 0};
}

const QStringList kProperties = {"MCL",     "CSFO",  "CSFI",   "ORDO",  "ORDI",    "BCF",   "SOILSAT",
                                 "TC",      "HENRY", "DIFFW",  "DIFFA", "SOL",     "DAFLF", "DAFSI",
                                 "TSTAR",   "K",     "TAU",    "B",     "ORGANIC", "BAF",   "ECOCHRON",
                                 "CARCNON", "MW",    "VAPORP", "KSW"};

const QStringList kForwardResults = {"SWINGh",    "SWINGr",    "SWINGsh",      "SWINGsr",      "FISHINGh",  "FISHINGr",
                                     "FISHINGsh", "FISHINGsr", "AMBCONC",      "ECOCHRNs",     "AIRINHVh",  "AIRINHVr",
                                     "AIRINHVsh", "AIRINHVsr", "AIRINHPh",     "AIRINHPr",     "AIRINHPsh", "AIRINHPsr",
                                     "SOILINGh",  "SOILINGr",  "SOILINGsh",    "SOILINGsr",    "LMTPTHTO",  "LMTTOTAL",
                                     "GWINGh",    "GWINGr",    "GWMaxINGsh",   "GWMaxINGsr",   "GWINGsh",   "GWINGsr",
                                     "GWADULTh",  "GWADULTr",  "GWMaxADULTsh", "GWMaxADULTsr", "GWADULTsh", "GWADULTsr",
                                     "GWCHILDh",  "GWCHILDr",  "GWMaxCHILDsh", "GWMaxCHILDsr", "GWCHILDsh", "GWCHILDsr",
                                     "GWINHh",    "GWINHr",    "SHWRRATEh",    "SHWRRATEr",    "BATHRATEh", "BATHRATEr",
                                     "HSERATEh",  "HSERATEr",  "GWMaxINHsh",   "GWMaxINHsr",   "GWINHsh",   "GWINHsr"};

const QStringList kDelistingResults = {
    "GWINGCgsr",      "GWINGCgsh",    "GWINGsr",       "GWINGsh",       "GWINHCgsr",
    "GWINHCgsh",      "GWINHsr",      "GWINHsh",       "GWADULTCgsr",   "GWADULTCgsh",
    "GWADULTsr",      "GWADULTsh",    "GWCHILDCgsr",   "GWCHILDCgsh",   "GWCHILDsr",
    "GWCHILDsh",      "GWMaxADULTsr", "GWMaxADULTsh",  "GWMaxCHILDsr",  "GWMaxCHILDsh",
    "SWINGCswsr",     "SWINGCswsh",   "SWINGsr",       "SWINGsh",       "FISHINGCfishsr",
    "FISHINGCfishsh", "FISHINGCswsr", "FISHINGCswsh",  "FISHINGsr",     "FISHINGsh",
    "AIRCairsr",      "AIRCairsh",    "AIRQpsr",       "AIRQpsh",       "AIRQp10sr",
    "AIRQp10sh",      "AIRINHPsr",    "AIRINHPsh",     "AIRINHVsr",     "AIRINHVsh",
    "AIRSIsr",        "AIRSIsh",      "SOILINCsoilsr", "SOILINCsoilsh", "SOILINCairsr",
    "SOILINCairsh",   "SOILINGsr",    "SOILINGsh",     "DAF",           "WVDAF",
    "H_DAF",          "H_WVDAF"};

const QStringList kConstants = {
    "CRWATER", "CRAIR",   "IRAIR",   "CRSOIL", "CRFISH",   "ED",         "EDCHILD", "EF",     "ATCARC", "ATNON",
    "ATCHILD", "BWADULT", "BWCHILD", "IFWADJ", "IFSADJ",   "R",          "K",       "C",      "p",      "d",
    "F_X",     "KP10",    "KP30",    "KPL10",  "KPL30",    "S",          "SPEED",   "WEIGHT", "W",      "PRECIP",
    "VKT",     "V",       "DH",      "M",      "YD",       "F",          "A",       "B",      "U",      "T",
    "PTOT",    "PAIR",    "DCOVER",  "RGAS",   "MUAIR",    "RHOAIR",     "DETHER",  "TADULT", "TCHILD", "BDSOIL",
    "DSOIL",   "VSETTLE", "EV",      "IR",     "ETshower", "ETbathroom", "ETHouse"};

void addProperties(std::vector<ColumnDef>& cols)
{
    for (const QString& p : kProperties)
        cols.push_back(p == QLatin1String("CARCNON") ? ColumnDef{p, ColumnKind::Text, kTextWidth} : dbl(p));
}

// Positions 0 to 31 of a constituent row: key, chemical, concentrations, flags, properties.
std::vector<ColumnDef> constituentInputs()
{
    std::vector<ColumnDef> cols = {int32("SITEKEY"),  text("CHEMCAS"), text("CHEMNAME"),  dbl("TCLPCONC"),
                                   boolean("DLTCLP"), dbl("TOTCONC"),  boolean("DLTOTAL")};
    addProperties(cols);
    return cols;
}

TableDef makeSiteInfo()
{
    return {"SITEINFO",
            {int32("SITEKEY"), text("FILENAME"), text("PETNAME"), text("PETID"), text("FACID1"), text("FACID2"),
             text("CITY"), text("STATE", 2), text("ZIPCODE"), text("ANALDATE"), text("DLSTDATE"), text("USERNAME"),
             memo("COMMENTS"), int16("KORRGION"), text("WSTEDESC"), text("WSTECODE")}};
}

TableDef makeWmuInfo()
{
    return {"WMUINFO",
            {int32("SITEKEY"), text("WMUTYPE", 2), dbl("WASTEVOL"), int16("WVOLUNIT"), dbl("ACTVLIFE"), dbl("RISKFACT"),
             dbl("HQFACT"), dbl("FLOWRATE"), int16("FLWRUNIT")}};
}

TableDef makeSiteCocs()
{
    std::vector<ColumnDef> cols = constituentInputs();
    for (const QString& r : kForwardResults)
        cols.push_back(r == QLatin1String("LMTPTHTO") ? ColumnDef{r, ColumnKind::Text, kTextWidth} : dbl(r));
    cols.push_back(dbl("ECOACUTE"));
    for (int i = 1; i <= 10; ++i)
        cols.push_back(dbl(QStringLiteral("RESERVED%1").arg(i, 2, 10, QLatin1Char('0'))));
    cols.push_back(dbl("LOGKOW"));
    return {"SITECOCS", cols};
}

TableDef makeChemicals(const char* name)
{
    std::vector<ColumnDef> cols = {text("CHEMNAME"), text("CHEMCAS")};
    addProperties(cols);
    cols.push_back(dbl("LOGKOW"));
    return {name, cols};
}

TableDef makeDafs(const char* name)
{
    return {name,
            {int32("ID"), text("CAS Num"), dbl("LFconc"), dbl("DAFLF_CARC"), dbl("DAFLF_NON"), dbl("SIconc"),
             dbl("DAFSI_CARC"), dbl("DAFSI_NON")}};
}

TableDef makeGwDelisting()
{
    return {"GWDelisting",
            {text("ChemCas"), dbl("GWDL"), dbl("GWMaxAConcen"), dbl("GWDAF"), single("DAF_SF"),
             text("GWLimitingPathway"), dbl("GWIngetion"), dbl("GWInhalation"), dbl("GWAdultDermalAbsorption"),
             dbl("GWChildDermalAbsorption"), int32("SITEKEY")}};
}

TableDef makeDelistCocs()
{
    std::vector<ColumnDef> cols = constituentInputs();
    cols.push_back(dbl("LOGKOW"));
    for (const QString& r : kDelistingResults)
        cols.push_back(dbl(r));
    return {"DelistCOCS", cols};
}

TableDef makeConstnts()
{
    std::vector<ColumnDef> cols;
    for (const QString& c : kConstants)
        cols.push_back(single(c));
    return {"CONSTNTS", cols};
}

TableDef makeDbChange()
{
    return {"DBCHANGE",
            {text("CHNGDATE"), text("CHEMNAME"), text("CHEMCAS"), text("PROP"), text("OLDVAL"), text("NEWVAL")}};
}

QString sqlType(const ColumnDef& c)
{
    switch (c.kind) {
    case ColumnKind::Text:
    case ColumnKind::Memo:
        return QStringLiteral("TEXT COLLATE NOCASE");
    case ColumnKind::Double:
    case ColumnKind::Single:
        return QStringLiteral("REAL");
    case ColumnKind::Int16:
    case ColumnKind::Int32:
    case ColumnKind::Bool:
        break;
    }
    return QStringLiteral("INTEGER");
}

QString createTableSql(const TableDef& t)
{
    QStringList cols;
    for (const ColumnDef& c : t.columns) {
        QString def = quotedName(c.name) + QLatin1Char(' ') + sqlType(c);
        if (c.name == QLatin1String("ID") && (t.name == QLatin1String("DAFs") || t.name == QLatin1String("Cus_DAFs")))
            def = quotedName(c.name) + QStringLiteral(" INTEGER PRIMARY KEY");
        cols << def;
    }
    return QStringLiteral("CREATE TABLE %1 (%2)").arg(quotedName(t.name), cols.join(QStringLiteral(", ")));
}

const QStringList kIndexes = {"CREATE UNIQUE INDEX SITEINFO_SITEKEY ON SITEINFO (SITEKEY)",
                              "CREATE UNIQUE INDEX SITEINFO_FILENAME ON SITEINFO (FILENAME)",
                              "CREATE UNIQUE INDEX WMUINFO_SITEKEY ON WMUINFO (SITEKEY)",
                              "CREATE INDEX SITECOCS_SITEKEY ON SITECOCS (SITEKEY)",
                              "CREATE INDEX COCS_CHEMCAS ON COCS (CHEMCAS)",
                              "CREATE INDEX Cus_COCS_CHEMCAS ON Cus_COCS (CHEMCAS)",
                              "CREATE INDEX DAFs_CAS ON DAFs (\"CAS Num\")",
                              "CREATE INDEX Cus_DAFs_CAS ON Cus_DAFs (\"CAS Num\")",
                              "CREATE INDEX GWDelisting_SITEKEY ON GWDelisting (SITEKEY, ChemCas)",
                              "CREATE INDEX DelistCOCS_SITEKEY ON DelistCOCS (SITEKEY)"};

// The GWDelisting columns the view joins to those of SITECOCS, in its order.
const QStringList kViewJoinedColumns = {"GWDL",
                                        "GWMaxAConcen",
                                        "GWDAF",
                                        "DAF_SF",
                                        "GWLimitingPathway",
                                        "GWIngetion",
                                        "GWInhalation",
                                        "GWAdultDermalAbsorption",
                                        "GWChildDermalAbsorption"};

struct StoredColumns {
    QStringList names;
    QStringList types;
};

// One row per SITECOCS row. The n-th row of a CAS number within an analysis (rowid order) takes
// the n-th GWDelisting row of that analysis and CAS number, so that a chemical listed twice, and
// every hand-typed one, shows its own levels. The rows of both tables are numbered together,
// partitioned by SITEKEY first, and the view's SITEKEY is that of the numbered rows: a reader's
// filter on it reaches the index of both tables, so only the analysis's rows are read.
QString viewSql()
{
    QStringList columns;
    for (const ColumnDef& c : siteCocsTable().columns)
        columns << (c.name == QLatin1String("SITEKEY") ? QStringLiteral("p.SITEKEY")
                                                       : QStringLiteral("s.") + quotedName(c.name));
    return QStringLiteral(
               "CREATE VIEW SITECOCSQuery AS SELECT %1, p.sr AS COCROWID, g.%2, CAST(NULL AS TEXT) AS LMTPTHTC "
               "FROM (SELECT SITEKEY, r AS sr, LEAD(r) OVER (PARTITION BY SITEKEY, cas, n ORDER BY t) AS gr, t "
               "FROM (SELECT SITEKEY, cas, t, r, ROW_NUMBER() OVER (PARTITION BY SITEKEY, cas, t ORDER BY r) AS n "
               "FROM (SELECT SITEKEY, CHEMCAS AS cas, 0 AS t, rowid AS r FROM SITECOCS "
               "UNION ALL SELECT SITEKEY, ChemCas, 1, rowid FROM GWDelisting WHERE ChemCas IS NOT NULL))) p "
               "JOIN SITECOCS s ON s.rowid = p.sr LEFT JOIN GWDelisting g ON g.rowid = p.gr WHERE p.t = 0")
        .arg(columns.join(QStringLiteral(", ")), kViewJoinedColumns.join(QStringLiteral(", g.")));
}

Error conversionError(const ColumnDef& c, const QString& why)
{
    return Error{kErrConversion, QStringLiteral("The value for %1 %2.").arg(c.name, why)};
}

// The number a value stands for: numbers as they are, text by the strict number grammar,
// true as -1 and false as 0.
std::optional<double> numberOf(const QVariant& v)
{
    if (v.typeId() == QMetaType::Bool)
        return v.toBool() ? -1.0 : 0.0;
    if (std::optional<double> n = variantNumber(v))
        return n;
    if (v.typeId() == QMetaType::QString)
        return toNumberStrict(v.toString());
    return std::nullopt;
}

}   // namespace

int TableDef::columnIndex(const QString& column) const
{
    for (size_t i = 0; i < columns.size(); ++i)
        if (columns[i].name.compare(column, Qt::CaseInsensitive) == 0)
            return int(i);
    return -1;
}

const ColumnDef* TableDef::column(const QString& column) const
{
    const int i = columnIndex(column);
    return i < 0 ? nullptr : &columns[size_t(i)];
}

const TableDef& siteInfoTable()
{
    static const TableDef t = makeSiteInfo();
    return t;
}
const TableDef& wmuInfoTable()
{
    static const TableDef t = makeWmuInfo();
    return t;
}
const TableDef& siteCocsTable()
{
    static const TableDef t = makeSiteCocs();
    return t;
}
const TableDef& cocsTable()
{
    static const TableDef t = makeChemicals("COCS");
    return t;
}
const TableDef& cusCocsTable()
{
    static const TableDef t = makeChemicals("Cus_COCS");
    return t;
}
const TableDef& dafsTable()
{
    static const TableDef t = makeDafs("DAFs");
    return t;
}
const TableDef& cusDafsTable()
{
    static const TableDef t = makeDafs("Cus_DAFs");
    return t;
}
const TableDef& gwDelistingTable()
{
    static const TableDef t = makeGwDelisting();
    return t;
}
const TableDef& delistCocsTable()
{
    static const TableDef t = makeDelistCocs();
    return t;
}
const TableDef& constntsTable()
{
    static const TableDef t = makeConstnts();
    return t;
}
const TableDef& dbChangeTable()
{
    static const TableDef t = makeDbChange();
    return t;
}

const std::vector<const TableDef*>& allTables()
{
    static const std::vector<const TableDef*> all = {&siteInfoTable(), &wmuInfoTable(),     &siteCocsTable(),
                                                     &cocsTable(),     &cusCocsTable(),     &dafsTable(),
                                                     &cusDafsTable(),  &gwDelistingTable(), &delistCocsTable(),
                                                     &constntsTable(), &dbChangeTable()};
    return all;
}

const TableDef* findTable(const QString& name)
{
    for (const TableDef* t : allTables())
        if (t->name.compare(name, Qt::CaseInsensitive) == 0)
            return t;
    return nullptr;
}

const QStringList& chemicalPropertyFields()
{
    return kProperties;
}
const QStringList& constituentInputFields()
{
    static const QStringList fields = QStringList{"CHEMNAME", "CHEMCAS", "TCLPCONC", "DLTCLP", "TOTCONC", "DLTOTAL"}
                                      + kProperties + QStringList{"LOGKOW"};
    return fields;
}
const QStringList& forwardResultFields()
{
    return kForwardResults;
}
const QStringList& delistingResultFields()
{
    return kDelistingResults;
}
const QStringList& exposureConstantFields()
{
    return kConstants;
}

Status createSchema(Connection& conn)
{
    Transaction tx(conn);
    if (!tx.started())
        return tx.started();
    QStringList statements;
    for (const TableDef* t : allTables())
        statements << createTableSql(*t);
    statements << kIndexes << viewSql();
    for (const QString& sql : statements)
        if (auto r = conn.exec(sql); !r)
            return r.error();
    return tx.commit();
}

Status verifySchema(Connection& conn)
{
    Result<QueryRows> rows = conn.select(
        QStringLiteral("SELECT m.name, c.name, c.type FROM sqlite_master m JOIN pragma_table_info(m.name) c "
                       "WHERE m.type IN ('table','view') ORDER BY m.name, c.cid"));
    if (!rows)
        return rows.error();
    QHash<QString, StoredColumns> present;   // by upper-case table name
    for (const auto& r : rows->rows) {
        StoredColumns& columns = present[r[0].toString().toUpper()];
        columns.names << r[1].toString().toUpper();
        columns.types << r[2].toString().toUpper();
    }

    // The view's column types are SQLite's own choice; its names are compared.
    const auto check = [&present](const QString& name, const StoredColumns& wanted) -> Status {
        const auto it = present.constFind(name.toUpper());
        if (it == present.constEnd())
            return Error{kErrSchema, QStringLiteral("The database has no table %1.").arg(name)};
        if (it->names != wanted.names || (!wanted.types.isEmpty() && it->types != wanted.types))
            return Error{kErrSchema, QStringLiteral("The columns of %1 are not the program's.").arg(name)};
        return {};
    };
    for (const TableDef* t : allTables()) {
        StoredColumns wanted;
        for (const ColumnDef& c : t->columns) {
            wanted.names << c.name.toUpper();
            wanted.types << sqlType(c).section(QLatin1Char(' '), 0, 0);
        }
        if (Status s = check(t->name, wanted); !s)
            return s;
    }
    StoredColumns view;
    for (const ColumnDef& c : siteCocsTable().columns)
        view.names << c.name.toUpper();
    view.names << QStringLiteral("COCROWID");
    for (const QString& c : kViewJoinedColumns)
        view.names << c.toUpper();
    view.names << QStringLiteral("LMTPTHTC");
    return check(kSiteCocsQuery, view);
}

Result<QVariant> convertToColumn(const ColumnDef& c, const QVariant& value)
{
    if (!value.isValid() || value.isNull())
        return QVariant();

    switch (c.kind) {
    case ColumnKind::Text:
    case ColumnKind::Memo: {
        QString s;
        if (value.typeId() == QMetaType::QString)
            s = value.toString();
        else if (value.typeId() == QMetaType::Float)
            s = generalTextSingle(value.toFloat());
        else if (std::optional<double> n = variantNumber(value))
            s = generalText(*n);
        else if (value.typeId() == QMetaType::Bool)
            s = value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
        else
            return conversionError(c, QStringLiteral("is not text"));
        if (c.kind == ColumnKind::Text && s.size() > c.width)
            return conversionError(c, QStringLiteral("is longer than %1 characters").arg(c.width));
        if (!QStringView(s).isValidUtf16())
            return conversionError(c, QStringLiteral("holds half of a UTF-16 pair, which cannot be stored"));
        return QVariant(s);
    }
    case ColumnKind::Bool: {
        std::optional<double> n = numberOf(value);
        if (!n)
            return conversionError(c, QStringLiteral("is not a yes/no value"));
        return QVariant(qlonglong(*n != 0 ? 1 : 0));
    }
    case ColumnKind::Double:
    case ColumnKind::Single:
    case ColumnKind::Int16:
    case ColumnKind::Int32:
        break;
    }

    std::optional<double> n = numberOf(value);
    if (!n)
        return conversionError(c, QStringLiteral("is not a number"));
    if (!std::isfinite(*n))
        return conversionError(c, QStringLiteral("is not a finite number"));
    switch (c.kind) {
    case ColumnKind::Single: {
        const float f = float(*n);
        if (!std::isfinite(f))
            return conversionError(c, QStringLiteral("is too large for single precision"));
        return QVariant(double(f));
    }
    case ColumnKind::Int16:
    case ColumnKind::Int32: {
        const double r = roundHalfEven(*n);
        const double lo = c.kind == ColumnKind::Int16 ? std::numeric_limits<qint16>::min()
                                                      : std::numeric_limits<qint32>::min();
        const double hi = c.kind == ColumnKind::Int16 ? std::numeric_limits<qint16>::max()
                                                      : std::numeric_limits<qint32>::max();
        if (r < lo || r > hi)
            return conversionError(c, QStringLiteral("is out of range"));
        return QVariant(qlonglong(r));
    }
    default:
        return QVariant(*n);
    }
}

Result<Recordset> openTableRecordset(Connection& conn, const TableDef& table, const QString& where,
                                     const QVariantList& params, const QString& orderBy, const QStringList& columns)
{
    Result<Recordset> rs = Recordset::openTable(conn, table.name, where, params, orderBy, columns);
    if (!rs)
        return rs;
    // An analysis's row is known by its key too: a rowid given again to another analysis's row
    // never matches.
    if (rs->fieldIndex(QStringLiteral("SITEKEY")) >= 0)
        rs->setKeyColumns({QStringLiteral("SITEKEY")});
    rs->setConverter([&table](const QString& column, const QVariant& value) -> Result<QVariant> {
        const ColumnDef* c = table.column(column);
        if (!c)
            return value;
        return convertToColumn(*c, value);
    });
    return rs;
}
