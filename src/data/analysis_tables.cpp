#include "data/analysis_tables.h"

#include <limits>

namespace {
const std::array<const char*, 8> kDetailLabels = {"Petition ID: ",    "Address 1: ",   "Address 2: ",
                                                  "City: ",           "State: ",       "Waste date: ",
                                                  "Delisting date: ", "Performed by: "};
const std::array<const char*, 8> kDetailFields = {"PETID", "FACID1",   "FACID2",   "CITY",
                                                  "STATE", "ANALDATE", "DLSTDATE", "USERNAME"};
}   // namespace

Result<qint64> largestSiteKey(Connection& conn)
{
    Result<QVariant> max = conn.scalar(QStringLiteral(
        "SELECT MAX(k) FROM (SELECT MAX(SITEKEY) AS k FROM SITEINFO UNION ALL SELECT MAX(SITEKEY) FROM WMUINFO "
        "UNION ALL SELECT MAX(SITEKEY) FROM SITECOCS UNION ALL SELECT MAX(SITEKEY) FROM GWDelisting "
        "UNION ALL SELECT MAX(SITEKEY) FROM DelistCOCS)"));
    if (!max)
        return max.error();
    return max->isValid() ? max->toLongLong() : 0;
}

Result<qint32> newSiteKey(Connection& conn)
{
    Result<qint64> largest = largestSiteKey(conn);
    if (!largest)
        return largest.error();
    const qint64 next = *largest + 1;
    if (next > std::numeric_limits<qint32>::max())
        return Error{kErrConversion, QStringLiteral("No analysis key is left.")};
    return qint32(next);
}

QString rootNodeKey(qint32 siteKey)
{
    return QStringLiteral("KEY") + QString::number(siteKey);
}

qint32 siteKeyOfRootNode(const QString& nodeKey)
{
    if (!nodeKey.startsWith(QLatin1String("KEY")))
        return 0;
    bool ok = false;
    const int key = nodeKey.mid(3).toInt(&ok);
    return ok ? key : 0;
}

AnalysisTreeGroup analysisTreeNodes(qint32 siteKey, const QString& rootText, const std::array<QVariant, 8>& details)
{
    const QString root = rootNodeKey(siteKey);
    AnalysisTreeGroup group;
    group[0] = {root, QString(), rootText, true};
    for (size_t i = 0; i < 8; ++i) {
        QString text = QString::fromLatin1(kDetailLabels[i]);
        if (details[i].isValid() && !details[i].isNull())
            text += details[i].toString();
        group[i + 1] = {root + QLatin1Char(char('a' + i)), root, text, false};
    }
    return group;
}

AnalysisTreeGroup analysisTreeNodes(const std::function<QVariant(const QString& field)>& field)
{
    std::array<QVariant, 8> details;
    for (size_t i = 0; i < 8; ++i)
        details[i] = field(QString::fromLatin1(kDetailFields[i]));
    return analysisTreeNodes(qint32(field(QStringLiteral("SITEKEY")).toLongLong()),
                             field(QStringLiteral("FILENAME")).toString(), details);
}

AnalysisTreeGroup analysisTreeNodes(const Recordset& siteInfo)
{
    return analysisTreeNodes([&siteInfo](const QString& name) { return siteInfo.value(name); });
}

AnalysisTreeGroup newAnalysisTreeNodes(qint32 siteKey)
{
    return analysisTreeNodes(siteKey, QStringLiteral("New Analysis"), {});
}
