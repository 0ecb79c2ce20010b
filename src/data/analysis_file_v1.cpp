#include "data/analysis_file_v1.h"

#include "data/file_bytes.h"
#include "data/state_list.h"
#include "platform/text/dates.h"
#include "platform/text/number_format.h"
#include "platform/text/number_parse.h"
#include "platform/text/windows1252.h"

#include <QDate>
#include <QHash>

#include <array>
#include <limits>
#include <memory>

namespace {

const QString kImportErrorText = QStringLiteral(
    "The program experienced an error while trying to import the version 1.0 file.  Please ensure that the file "
    "is a valid TOVI v.1.0 file.");
const QString kTitleCaption = QStringLiteral("Title for Imported v.1.0 Analysis");
const QString kTitleLabel =
    QStringLiteral("Please enter a File Name for this v.1.0 analysis for TOVI v.2.0 to reference it by.");

// The properties of a user-defined chemical record, in file order.
const std::array<const char*, 21> kUserDefinedProperties = {"CSFO",  "CSFI",   "ORDO",     "ORDI",  "HENRY",   "DIFFA",
                                                            "DIFFW", "DAFLF",  "DAFSI",    "TSTAR", "K",       "B",
                                                            "TAU",   "BAF",    "ECOACUTE", "TC",    "SOILSAT", "MCL",
                                                            "MW",    "VAPORP", "KSW"};

Error formatError(const QString& text)
{
    return Error{kErrFormat, text};
}

// One item of the file's first part.
struct Item {
    QString text;                   // between the quotes, or the unquoted text without blanks around it
    std::optional<double> number;   // an unquoted item that reads as a number
    std::optional<QDate> date;      // an unquoted #…# item around a date
};

// An empty text that is stored as such, not as NULL.
QString emptyText()
{
    return QStringLiteral("");
}

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

bool isLineEnd(char c)
{
    return c == '\r' || c == '\n';
}

bool isSeparator(char c)
{
    return c == ',' || isLineEnd(c);
}

// Items separated by commas or line ends (CRLF, LF or CR), then whole lines. A quoted item
// runs to the next double quote, and anything after it up to the separator is dropped. Reads
// the file's bytes in place; only the items are turned into text.
class ItemReader {
public:
    explicit ItemReader(QByteArrayView bytes) : m_bytes(bytes) {}

    Result<Item> next()
    {
        while (m_pos < m_bytes.size() && isBlank(m_bytes[m_pos]))
            ++m_pos;
        if (m_pos >= m_bytes.size())
            return formatError(QStringLiteral("The file ends before its last item."));
        Item item;
        if (m_bytes[m_pos] == '"') {
            const qsizetype end = m_bytes.indexOf('"', m_pos + 1);
            if (end < 0)
                return formatError(QStringLiteral("The file ends inside a quoted item."));
            item.text = fromWindows1252(m_bytes.sliced(m_pos + 1, end - m_pos - 1));
            m_pos = end + 1;
            while (m_pos < m_bytes.size() && !isSeparator(m_bytes[m_pos]))
                ++m_pos;
        } else {
            const qsizetype start = m_pos;
            while (m_pos < m_bytes.size() && !isSeparator(m_bytes[m_pos]))
                ++m_pos;
            qsizetype end = m_pos;
            while (end > start && isBlank(m_bytes[end - 1]))
                --end;
            item.text = fromWindows1252(m_bytes.sliced(start, end - start));
            if (std::optional<double> n = toNumberStrict(item.text))
                item.number = n;
            else if (item.text.size() > 2 && item.text.startsWith(QLatin1Char('#'))
                     && item.text.endsWith(QLatin1Char('#')))
                item.date = parseDate(item.text.mid(1, item.text.size() - 2));
        }
        skipSeparator();
        return item;
    }

    // The notes: every line after the first line "NOTE", except further "NOTE" lines, joined.
    QString notes()
    {
        QString notes = emptyText();
        bool started = false;
        while (m_pos < m_bytes.size()) {
            const qsizetype start = m_pos;
            while (m_pos < m_bytes.size() && !isLineEnd(m_bytes[m_pos]))
                ++m_pos;
            const QByteArrayView line = m_bytes.sliced(start, m_pos - start);
            if (line == "NOTE")
                started = true;
            else if (started)
                notes += fromWindows1252(line);
            skipLineEnd();
        }
        return notes;
    }

private:
    void skipSeparator()
    {
        if (m_pos < m_bytes.size() && m_bytes[m_pos] == ',')
            ++m_pos;
        else
            skipLineEnd();
    }

    void skipLineEnd()
    {
        if (m_pos < m_bytes.size() && m_bytes[m_pos] == '\r') {
            ++m_pos;
            if (m_pos < m_bytes.size() && m_bytes[m_pos] == '\n')
                ++m_pos;
        } else if (m_pos < m_bytes.size() && m_bytes[m_pos] == '\n') {
            ++m_pos;
        }
    }

    QByteArrayView m_bytes;
    qsizetype m_pos = 0;
};

// The item as text: a number in its general text form, a date as " Mmm-dd-yyyy ".
QString plainText(const Item& item)
{
    if (item.number)
        return generalText(*item.number);
    if (item.date)
        return formatDateChecked(*item.date);
    return item.text;
}

// The item as it comes, for a column that converts it.
QVariant plainValue(const Item& item)
{
    if (item.number)
        return *item.number;
    if (item.date)
        return *item.date;
    return item.text;
}

// A number, or a text that reads as one; else `otherwise`.
double numberOr(const Item& item, double otherwise)
{
    if (item.number)
        return *item.number;
    if (item.date)
        return otherwise;
    return toNumberStrict(item.text).value_or(otherwise);
}

Result<qint32> wholeNumber(const Item& item, const QString& what)
{
    std::optional<double> n = item.number;
    if (!n && !item.date)
        n = toNumberStrict(item.text);
    if (!n)
        return formatError(QStringLiteral("The file holds no number for %1.").arg(what));
    const double r = roundHalfEven(*n);
    if (!(r >= std::numeric_limits<qint32>::min() && r <= std::numeric_limits<qint32>::max()))
        return formatError(QStringLiteral("The number for %1 is out of range.").arg(what));
    return qint32(r);
}

QString cut(const QString& text, const TableDef& table, const QString& column)
{
    return text.left(table.columns[size_t(columnOf(table, column))].width);
}

QString trimBlanks(const QString& text)
{
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text[start] == QLatin1Char(' '))
        ++start;
    while (end > start && text[end - 1] == QLatin1Char(' '))
        --end;
    return text.mid(start, end - start);
}

QString asciiUpper(const QString& text)
{
    QString out = text;
    for (QChar& c : out)
        if (c >= QLatin1Char('a') && c <= QLatin1Char('z'))
            c = QChar(c.unicode() - 'a' + 'A');
    return out;
}

class SiteReader {
public:
    SiteReader(ItemReader& in, TableRow& row) : m_in(in), m_row(row) {}

    Status read()
    {
        Result<Item> petitioner = m_in.next();
        if (!petitioner)
            return petitioner.error();
        setCut("PETNAME", plainText(*petitioner));
        Result<Item> address1 = m_in.next();
        if (!address1)
            return address1.error();
        setCut("FACID1", plainText(*address1));

        Result<Item> third = m_in.next();
        if (!third)
            return third.error();
        if (plainText(*third).contains(QLatin1Char(','))) {
            setCityAndState(plainText(*third), true);
            if (Result<Item> unused = m_in.next(); !unused)
                return unused.error();
        } else {
            setCut("FACID2", plainText(*third));
            Result<Item> fourth = m_in.next();
            if (!fourth)
                return fourth.error();
            if (plainText(*fourth).contains(QLatin1Char(','))) {
                setCityAndState(plainText(*fourth), false);
                if (Result<Item> unused = m_in.next(); !unused)
                    return unused.error();
            } else {
                set("CITY", emptyText());
                set("STATE", emptyText());
            }
        }

        Result<Item> user = m_in.next();
        if (!user)
            return user.error();
        setCut("USERNAME", plainText(*user));

        Result<Item> waste = m_in.next();
        if (!waste)
            return waste.error();
        Result<qint32> description = wholeNumber(*waste, QStringLiteral("WSTEDESC"));
        if (!description)
            return description.error();
        setCut("WSTEDESC", QString::number(*description));

        Result<Item> delisted = m_in.next();
        if (!delisted)
            return delisted.error();
        std::optional<QDate> date = delisted->date;
        if (!date && !delisted->number)
            date = parseDate(delisted->text);
        set("DLSTDATE", date ? formatDateChecked(*date) : emptyText());

        for (const char* empty : {"PETID", "ZIPCODE", "ANALDATE", "WSTECODE"})
            set(empty, emptyText());
        set("KORRGION", 0);
        return {};
    }

private:
    void set(const char* column, const QVariant& value)
    {
        m_row[columnOf(siteInfoTable(), QString::fromLatin1(column))] = value;
    }

    void setCut(const char* column, const QString& text)
    {
        set(column, cut(text, siteInfoTable(), QString::fromLatin1(column)));
    }

    // "City, State": trimmed in the first form, as they stand in the second.
    void setCityAndState(const QString& text, bool trimmed)
    {
        const qsizetype comma = text.indexOf(QLatin1Char(','));
        QString city = text.left(comma);
        QString state = text.mid(comma + 1);
        if (trimmed) {
            city = trimBlanks(city);
            state = trimBlanks(state);
        }
        setCut("CITY", city);
        set("STATE", state.size() <= 2 ? state : GetStateCode(state));
    }

    ItemReader& m_in;
    TableRow& m_row;
};

Status readUnit(ItemReader& in, TableRow& row)
{
    const TableDef& t = wmuInfoTable();
    std::array<Item, 5> items;
    for (Item& item : items) {
        Result<Item> next = in.next();
        if (!next)
            return next.error();
        item = *next;
    }
    row[columnOf(t, QStringLiteral("HQFACT"))] = plainValue(items[0]);
    row[columnOf(t, QStringLiteral("RISKFACT"))] = plainValue(items[1]);
    row[columnOf(t, QStringLiteral("WASTEVOL"))] = numberOr(items[2], 0);
    row[columnOf(t, QStringLiteral("ACTVLIFE"))] = numberOr(items[3], 1);
    row[columnOf(t, QStringLiteral("WMUTYPE"))] = numberOr(items[4], 0) > 0 ? QStringLiteral("SI")
                                                                            : QStringLiteral("LF");
    row[columnOf(t, QStringLiteral("WVOLUNIT"))] = 0;
    row[columnOf(t, QStringLiteral("FLOWRATE"))] = 1.0;
    row[columnOf(t, QStringLiteral("FLWRUNIT"))] = 0;
    return {};
}

QString replacedCas(const QString& cas)
{
    if (cas == QLatin1String("7440-47-3"))
        return QStringLiteral("18540-29-9");
    if (cas == QLatin1String("7440-47-4"))
        return QStringLiteral("18540-30-0");
    if (cas == QLatin1String("16065-38-1"))
        return QStringLiteral("7440-47-4");
    return cas;
}

void setCoc(TableRow& row, const QString& column, const QVariant& value)
{
    row[columnOf(siteCocsTable(), column)] = value;
}

QVariant cocValue(const TableRow& row, const QString& column)
{
    return row[columnOf(siteCocsTable(), column)];
}

// Reads one constituent record. `userDefinedDue` is set when the record's chemical is to
// come from the user-defined block.
Status readConstituent(ItemReader& in, const ChemicalLookup& lookup, V1Analysis& out, bool& userDefinedDue)
{
    std::array<Item, 6> items;
    for (Item& item : items) {
        Result<Item> next = in.next();
        if (!next)
            return next.error();
        item = *next;
    }
    TableRow row = emptyRow(siteCocsTable());
    setCoc(row, QStringLiteral("DLTCLP"), numberOr(items[1], 0) < 0);
    setCoc(row, QStringLiteral("DLTOTAL"), numberOr(items[2], 0) < 0);
    Result<QVariant> formatted = FormatCasNumber(plainValue(items[3]));
    if (!formatted)
        return formatted.error();
    const QString cas = replacedCas(formatted->toString());
    setCoc(row, QStringLiteral("CHEMCAS"), cas);
    setCoc(row, QStringLiteral("TCLPCONC"), numberOr(items[4], 0));
    setCoc(row, QStringLiteral("TOTCONC"), numberOr(items[5], 0));

    const TableDef& cocs = cocsTable();
    if (std::optional<TableRow> chemical = lookup(cas)) {
        setCoc(row, QStringLiteral("CHEMNAME"), (*chemical)[columnOf(cocs, QStringLiteral("CHEMNAME"))]);
        for (const QString& p : chemicalPropertyFields())
            setCoc(row, p, (*chemical)[columnOf(cocs, p)]);
        setCoc(row, QStringLiteral("LOGKOW"), (*chemical)[columnOf(cocs, QStringLiteral("LOGKOW"))]);
    } else if (cas.startsWith(QLatin1String("UD"))) {
        setCoc(row, QStringLiteral("CHEMNAME"), QStringLiteral("Temp"));
        userDefinedDue = true;
    } else {
        out.chemicalsNotFound << cas;
        setCoc(row, QStringLiteral("CHEMNAME"), plainText(items[0]));
        for (const QString& p : chemicalPropertyFields())
            setCoc(row, p, 0.0);
        setCoc(row, QStringLiteral("CARCNON"), QStringLiteral("Carcinogen"));
        setCoc(row, QStringLiteral("ORGANIC"), 1.0);
        setCoc(row, QStringLiteral("LOGKOW"), 0.0);
    }
    out.rows.constituents.push_back(std::move(row));
    return {};
}

Status readUserDefined(ItemReader& in, TableRow& row)
{
    std::array<Item, 3 + kUserDefinedProperties.size()> items;
    for (Item& item : items) {
        Result<Item> next = in.next();
        if (!next)
            return next.error();
        item = *next;
    }
    setCoc(row, QStringLiteral("CHEMNAME"), items[0].text);
    setCoc(row, QStringLiteral("CHEMCAS"), items[1].text);
    setCoc(row, QStringLiteral("CARCNON"),
           items[2].text == QLatin1String("N") ? QStringLiteral("Noncarcinogen") : QStringLiteral("Carcinogen"));
    for (size_t i = 0; i < kUserDefinedProperties.size(); ++i)
        setCoc(row, QString::fromLatin1(kUserDefinedProperties[i]), numberOr(items[3 + i], 0));
    setCoc(row, QStringLiteral("ECOCHRON"), cocValue(row, QStringLiteral("ECOACUTE")));
    setCoc(row, QStringLiteral("BCF"), cocValue(row, QStringLiteral("BAF")));
    setCoc(row, QStringLiteral("SOL"), 1.0);
    setCoc(row, QStringLiteral("ORGANIC"), 1.0);
    return {};
}

}   // namespace

Result<QVariant> FormatCasNumber(const QVariant& value)
{
    const bool isNumeric = value.typeId() == QMetaType::Double || value.typeId() == QMetaType::Int
                           || value.typeId() == QMetaType::LongLong;
    const QString text = isNumeric ? generalText(value.toDouble()) : value.toString();
    std::optional<double> number;
    if (text.endsWith(QLatin1Char('a'))) {
        double leading = 0;
        for (const QChar c : text.chopped(1)) {
            if (!c.isDigit() || c.unicode() > 0x7F)
                break;
            leading = leading * 10 + (c.unicode() - '0');
        }
        number = leading + 1;
    } else if (text.startsWith(QLatin1String("UD-"))) {
        return value;
    } else {
        number = isNumeric ? std::optional<double>(value.toDouble()) : toNumberStrict(text);
    }
    if (!number)
        return formatError(QStringLiteral("The CAS number %1 is not a number.").arg(text));
    const double rounded = roundHalfEven(*number);
    if (!(rounded >= std::numeric_limits<qint32>::min() && rounded <= std::numeric_limits<qint32>::max()))
        return formatError(QStringLiteral("The CAS number %1 is out of range.").arg(text));

    const qint32 n = qint32(rounded);
    const QString digits = QString::number(qAbs(qint64(n)));
    if (digits.size() < 3)
        return QVariant(QString::number(n));
    const QString sign = n < 0 ? QStringLiteral("-") : QString();
    return QVariant(sign + digits.left(digits.size() - 3) + QLatin1Char('-') + digits.mid(digits.size() - 3, 2)
                    + QLatin1Char('-') + digits.right(1));
}

Result<V1Analysis> readV1File(QByteArrayView bytes, const ChemicalLookup& lookup)
{
    ItemReader in(bytes);
    V1Analysis out;
    if (Status s = SiteReader(in, out.rows.site).read(); !s)
        return s.error();
    if (Status s = readUnit(in, out.rows.unit); !s)
        return s.error();

    Result<Item> countItem = in.next();
    if (!countItem)
        return countItem.error();
    const std::optional<double> count = toNumberStrict(countItem->text);
    if (!count)
        return formatError(QStringLiteral("The file holds no number of constituents."));
    const double rounded = roundHalfEven(*count);
    if (!(rounded >= 0 && rounded <= kMaxConstituents))
        return formatError(QStringLiteral("The file holds a number of constituents out of range."));

    bool userDefinedDue = false;
    for (qint32 i = 0; i < qint32(rounded); ++i)
        if (Status s = readConstituent(in, lookup, out, userDefinedDue); !s)
            return s.error();

    if (userDefinedDue) {
        if (Result<Item> unused = in.next(); !unused)
            return unused.error();
        for (TableRow& row : out.rows.constituents)
            if (cocValue(row, QStringLiteral("CHEMCAS")).toString().startsWith(QLatin1String("UD")))
                if (Status s = readUserDefined(in, row); !s)
                    return s.error();
    }

    out.rows.site[columnOf(siteInfoTable(), QStringLiteral("COMMENTS"))] = in.notes();

    if (Status s = convertRow(siteInfoTable(), out.rows.site); !s)
        return s.error();
    if (Status s = convertRow(wmuInfoTable(), out.rows.unit); !s)
        return s.error();
    for (TableRow& row : out.rows.constituents)
        if (Status s = convertRow(siteCocsTable(), row); !s)
            return s.error();
    return out;
}

Result<ChemicalLookup> chemicalTableLookup(Connection& conn)
{
    Result<QueryRows> rows = conn.select(selectSql(cocsTable(), QStringLiteral("ORDER BY rowid")));
    if (!rows)
        return rows.error();
    auto byCas = std::make_shared<QHash<QString, TableRow>>();
    const int casColumn = columnOf(cocsTable(), QStringLiteral("CHEMCAS"));
    for (TableRow& row : rows->rows) {
        const QString key = asciiUpper(row[casColumn].toString());
        if (row[casColumn].isValid() && !byCas->contains(key))
            byCas->insert(key, std::move(row));
    }
    return ChemicalLookup([byCas](const QString& cas) -> std::optional<TableRow> {
        auto it = byCas->constFind(asciiUpper(cas));
        if (it == byCas->constEnd())
            return std::nullopt;
        return *it;
    });
}

void reportV1ImportError(AnalysisFilePrompts& ui)
{
    ui.message(kImportErrorText, prompt::Information, QStringLiteral("Import Error"));
}

std::optional<AnalysisTreeGroup> importV1Analysis(Connection& conn, const QString& path, AnalysisFilePrompts& ui)
{
    const auto importError = [&ui] {
        reportV1ImportError(ui);
        return std::nullopt;
    };

    const Result<QByteArray> bytes = readFileBytes(path, kLargestV1FileBytes, LongerFile::Refuse);
    if (!bytes)
        return importError();

    Result<ChemicalLookup> lookup = chemicalTableLookup(conn);
    if (!lookup)
        return importError();
    Result<V1Analysis> analysis = readV1File(*bytes, *lookup);
    if (!analysis)
        return importError();

    std::optional<QString> title = ui.askTitle(kTitleCaption, kTitleLabel, QString());
    if (!title)
        return std::nullopt;
    for (;;) {
        Result<QueryRows> same =
            conn.select(QStringLiteral("SELECT FILENAME FROM SITEINFO WHERE FILENAME=? LIMIT 1"), {*title});
        if (!same)
            return importError();
        if (same->rows.empty())
            break;
        ui.message(QStringLiteral("The filename that you entered for this analysis exists.  Please choose another name "
                                  "for the analysis."),
                   prompt::Information, QStringLiteral("Name Conflict"));
        title = ui.askTitle(kTitleCaption, kTitleLabel, *title);
        if (!title)
            return std::nullopt;
    }

    for (const QString& cas : analysis->chemicalsNotFound)
        ui.message(QStringLiteral("The program couldn't find the chemical with CAS Number ") + cas
                       + QStringLiteral(" in the database.  You will need to fill in the chemical property fields once "
                                        "the import is complete."),
                   prompt::Information, QStringLiteral("Chemical Not Found"));

    analysis->rows.site[columnOf(siteInfoTable(), QStringLiteral("FILENAME"))] = *title;
    Result<AnalysisTreeGroup> stored = storeNewAnalysis(conn, std::move(analysis->rows));
    if (!stored)
        return importError();
    return *stored;
}
