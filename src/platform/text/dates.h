#pragma once

#include <QDate>
#include <QString>

#include <optional>

// The date check, whatever the system locale. Accepted, with blanks around:
// m/d/yyyy and m/d/yy (with "/" or "-"), yyyy-mm-dd, d-Mmm-yyyy, Mmm-d-yyyy and
// "Mmm d, yyyy", with English month names or three-letter abbreviations in any
// case. Two-digit years 00-29 are 2000-2029, 30-99 are 1930-1999. Impossible
// dates fail.
std::optional<QDate> parseDate(const QString& text);

// " Mmm-dd-yyyy ", one blank before and after; empty for an invalid date.
QString formatDateChecked(const QDate& date);

// "Mmm-dd-yyyy"; empty for an invalid date.
QString formatDatePlain(const QDate& date);
