// Numbers and dates as the windows write them.
// plainText / leadingValue are the locale-free conversions of bolv/base/testo.h
// (the leading blank of a non-negative number; a text's leading number).
// formatNumber / formatInteger / formatDate follow format patterns in the given locale: digit
// grouping, decimal separator and weekday names are the locale's.
#pragma once

#include <QLocale>
#include <QString>

namespace bolv {
struct Data;
}

namespace platform {

QString plainText(long value);            // " 12", "-3"
double leadingValue(const QString& text); // "  12abc" -> 12, "abc" -> 0

// Patterns: "0" and "#" digit places, "," digit grouping, "." decimal point:
// "00", "#0", "#,###", "###,###,###", "#,##0", "##0.00", "#,##0.00", "##0.0".
// "#..." patterns show 0 as an empty text. Rounds the value's shortest decimal text (the
// digits that read back as the same double) half away from zero: 2.675 shows 2,68, and a
// value with no more digits than the pattern shows keeps them all.
QString formatNumber(double value, const QString& pattern, const QLocale& locale = QLocale());
// The same patterns for a whole number, digit for digit (money, counts).
QString formatInteger(qint64 value, const QString& pattern, const QLocale& locale = QLocale());
// A text that is a number (blanks around it allowed) formatted by the pattern;
// any other text unchanged.
QString formatText(const QString& text, const QString& pattern, const QLocale& locale = QLocale());
// "dd.mm.yyyy", "dd.mm.yy", "ddd dd.mm.yyyy" (abbreviated weekday of the locale).
QString formatDate(const bolv::Data& date, const QString& pattern,
                   const QLocale& locale = QLocale());

} // namespace platform
