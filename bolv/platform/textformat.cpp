#include "textformat.h"

#include "data.h"
#include "testo.h"

#include <cmath>

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
} // namespace

QString formatNumber(double value, const QString& pattern, const QLocale& locale) {
    const Pattern p = parse(pattern);
    const double scale = std::pow(10.0, p.decimals);
    // Half away from zero, on the decimal places the pattern shows; the nudge
    // keeps a value such as 2.675, which binary holds as 2.67499..., from
    // rounding down where its decimal text says half.
    const double scaled = std::round(std::abs(value) * scale * (1 + 1e-12));
    const bool negative = value < 0 && scaled != 0;
    const double whole = std::floor(scaled / scale);
    const long long fractionDigits = static_cast<long long>(scaled - whole * scale);

    QString integer = whole == 0 ? QString() : QString::number(whole, 'f', 0);
    if (integer.size() < p.minInteger)
        integer = QString(p.minInteger - integer.size(), QLatin1Char('0')) + integer;
    if (p.grouping) integer = group(integer, locale);

    QString fraction;
    if (p.decimals > 0) {
        fraction = QString::number(fractionDigits).rightJustified(p.decimals, QLatin1Char('0'));
        while (fraction.size() > p.minDecimals && fraction.endsWith(QLatin1Char('0')))
            fraction.chop(1);
    }
    QString text = integer;
    if (p.decimals > 0 && (p.minDecimals > 0 || !fraction.isEmpty()))
        text += locale.decimalPoint() + fraction;
    return negative ? QLatin1Char('-') + text : text;
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
