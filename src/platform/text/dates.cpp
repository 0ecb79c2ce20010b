#include "dates.h"

#include <QRegularExpression>

namespace {

const char* const kMonthNames[12] = {"January", "February", "March",     "April",   "May",      "June",
                                     "July",    "August",   "September", "October", "November", "December"};

// 1 to 12 for an English month name or its three-letter abbreviation, any case; else 0.
int monthFromName(const QString& name)
{
    for (int i = 0; i < 12; ++i) {
        const QLatin1StringView full(kMonthNames[i]);
        if (name.compare(full, Qt::CaseInsensitive) == 0 || name.compare(full.left(3), Qt::CaseInsensitive) == 0)
            return i + 1;
    }
    return 0;
}

int yearFromDigits(const QString& digits)
{
    const int year = digits.toInt();
    if (digits.size() != 2)
        return year;
    return year < 30 ? 2000 + year : 1900 + year;
}

std::optional<QDate> validDate(int year, int month, int day)
{
    const QDate date(year, month, day);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

}   // namespace

std::optional<QDate> parseDate(const QString& text)
{
    static const QRegularExpression numeric(QStringLiteral("^([0-9]{1,2})([/-])([0-9]{1,2})\\2([0-9]{4}|[0-9]{2})$"));
    static const QRegularExpression iso(QStringLiteral("^([0-9]{4})-([0-9]{1,2})-([0-9]{1,2})$"));
    static const QRegularExpression dayFirst(QStringLiteral("^([0-9]{1,2})-([A-Za-z]+)-([0-9]{4})$"));
    static const QRegularExpression monthFirst(QStringLiteral("^([A-Za-z]+)-([0-9]{1,2})-([0-9]{4})$"));
    static const QRegularExpression written(QStringLiteral("^([A-Za-z]+) +([0-9]{1,2}), *([0-9]{4})$"));

    const QString s = text.trimmed();
    QRegularExpressionMatch m;
    if ((m = numeric.match(s)).hasMatch())
        return validDate(yearFromDigits(m.captured(4)), m.captured(1).toInt(), m.captured(3).toInt());
    if ((m = iso.match(s)).hasMatch())
        return validDate(m.captured(1).toInt(), m.captured(2).toInt(), m.captured(3).toInt());
    if ((m = dayFirst.match(s)).hasMatch())
        return validDate(m.captured(3).toInt(), monthFromName(m.captured(2)), m.captured(1).toInt());
    if ((m = monthFirst.match(s)).hasMatch() || (m = written.match(s)).hasMatch())
        return validDate(m.captured(3).toInt(), monthFromName(m.captured(1)), m.captured(2).toInt());
    return std::nullopt;
}

QString formatDatePlain(const QDate& date)
{
    if (!date.isValid())
        return QString();
    return QStringLiteral("%1-%2-%3")
        .arg(QLatin1StringView(kMonthNames[date.month() - 1]).left(3))
        .arg(date.day(), 2, 10, QLatin1Char('0'))
        .arg(date.year(), 4, 10, QLatin1Char('0'));
}

QString formatDateChecked(const QDate& date)
{
    if (!date.isValid())
        return QString();
    return QLatin1Char(' ') + formatDatePlain(date) + QLatin1Char(' ');
}
