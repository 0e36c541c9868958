#include "textformat.h"

#include "data.h"
#include "testo.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace platform {

QString plainText(long value) {
    return QString::fromStdString(bolv::Str(value));
}

double leadingValue(const QString& text) {
    return bolv::Val(text.toStdString());
}

namespace {
struct Pattern {
    int minInteger = 0;    // "0" places before the point
    int decimals = 0;      // places after the point
    int minDecimals = 0;   // "0" places after the point
    bool grouping = false; // a "," among the integer places
};

Pattern parse(const QString& pattern) {
    Pattern p;
    const int point = pattern.indexOf(QLatin1Char('.'));
    const QString integer = point < 0 ? pattern : pattern.left(point);
    const QString fraction = point < 0 ? QString() : pattern.mid(point + 1);
    p.minInteger = integer.count(QLatin1Char('0'));
    p.grouping = integer.contains(QLatin1Char(','));
    p.decimals = fraction.count(QLatin1Char('0')) + fraction.count(QLatin1Char('#'));
    p.minDecimals = fraction.count(QLatin1Char('0'));
    return p;
}

QString group(const QString& digits, const QLocale& locale) {
    QString out;
    const QString separator = locale.groupSeparator();
    for (int i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) out += separator;
        out += digits[i];
    }
    return out;
}

// Adds one to a string of decimal digits.
void increment(std::string& digits) {
    size_t i = digits.size();
    while (i > 0 && digits[i - 1] == '9')
        digits[--i] = '0';
    if (i == 0)
        digits.insert(digits.begin(), '1');
    else
        ++digits[i - 1];
}

// The digits of |value| x 10^decimals rounded to a whole number, half away from zero, on the
// shortest decimal text that reads back as value: 2.675 is "2.675", not the 2.67499... that
// binary holds, and no digit of a large value changes. Empty for 0.
std::string scaledDigits(double value, int decimals) {
    char text[32];
    const auto end =
        std::to_chars(text, text + sizeof text, std::fabs(value), std::chars_format::scientific)
            .ptr;
    // "d.ddde+XX": the significant digits and the power of ten of the first one.
    char* e = std::find(text, end, 'e');
    std::string digits(text, 1);
    if (e - text > 2) digits.append(text + 2, e);
    int exponent = 0;
    std::from_chars(e + 1 + (e[1] == '+'), end, exponent);
    const long point = long{exponent} + 1 + decimals; // digits before the point once scaled
    if (point < 0) return {};
    if (point >= static_cast<long>(digits.size()))
        return digits == "0" ? std::string() : digits + std::string(point - digits.size(), '0');
    const bool up = digits[point] >= '5';
    digits.resize(point);
    if (up) increment(digits);
    return digits;
}

// Digits of the whole value scaled by the pattern's decimal places, laid out by the pattern.
QString layout(const std::string& scaled, bool negative, const Pattern& p, const QLocale& locale) {
    const std::string padded =
        std::string(std::max<long>(0, p.decimals + 1 - static_cast<long>(scaled.size())), '0') +
        scaled;
    const size_t split = padded.size() - p.decimals;
    QString integer = QString::fromLatin1(padded.substr(0, split));
    while (integer.startsWith(QLatin1Char('0')))
        integer.remove(0, 1);
    if (integer.size() < p.minInteger)
        integer = QString(p.minInteger - integer.size(), QLatin1Char('0')) + integer;
    if (p.grouping) integer = group(integer, locale);

    QString fraction = QString::fromLatin1(padded.substr(split));
    while (fraction.size() > p.minDecimals && fraction.endsWith(QLatin1Char('0')))
        fraction.chop(1);
    QString text = integer;
    if (p.decimals > 0 && (p.minDecimals > 0 || !fraction.isEmpty()))
        text += locale.decimalPoint() + fraction;
    return negative && !scaled.empty() ? QLatin1Char('-') + text : text;
}
} // namespace

QString formatNumber(double value, const QString& pattern, const QLocale& locale) {
    if (!std::isfinite(value)) return QString::number(value);
    const Pattern p = parse(pattern);
    return layout(scaledDigits(value, p.decimals), value < 0, p, locale);
}

QString formatInteger(qint64 value, const QString& pattern, const QLocale& locale) {
    const Pattern p = parse(pattern);
    // The magnitude in unsigned arithmetic: the smallest value has no positive counterpart.
    const quint64 magnitude = value < 0 ? 0 - static_cast<quint64>(value) : value;
    const std::string digits = magnitude == 0 ? std::string() : std::to_string(magnitude);
    return layout(digits.empty() ? digits : digits + std::string(p.decimals, '0'), value < 0, p,
                  locale);
}

QString formatText(const QString& text, const QString& pattern, const QLocale& locale) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok ? formatNumber(value, pattern, locale) : text;
}

QString formatDate(const bolv::Data& date, const QString& pattern, const QLocale& locale) {
    static const QString weekday = QStringLiteral("ddd ");
    if (!pattern.startsWith(weekday))
        return QString::fromStdString(bolv::formatodata(date, pattern.toStdString()));
    // giornosettimana counts from Sunday = 1; QLocale from Monday = 1.
    const int qtDay = (date.giornosettimana() + 5) % 7 + 1;
    return locale.dayName(qtDay, QLocale::ShortFormat) + QLatin1Char(' ') +
           QString::fromStdString(bolv::formatodata(date, pattern.mid(4).toStdString()));
}

} // namespace platform
