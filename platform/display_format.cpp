#include "platform/display_format.h"

#include <QStringList>
#include <cmath>

namespace {

struct Pattern
{
    QString prefix;
    QString suffix;
    int decimals = 0;
    int minIntegerDigits = 0;
    bool groupThousands = false;
};

bool isPatternChar(QChar c)
{
    return c == QLatin1Char('0') || c == QLatin1Char('#') || c == QLatin1Char(',') || c == QLatin1Char('.');
}

Pattern parseSection(const QString &section)
{
    Pattern pattern;
    qsizetype first = 0;
    while (first < section.size() && !isPatternChar(section[first]))
        ++first;
    qsizetype last = section.size() - 1;
    while (last >= first && !isPatternChar(section[last]))
        --last;
    pattern.prefix = section.left(first);
    pattern.suffix = section.mid(last + 1);
    bool afterPoint = false;
    for (qsizetype i = first; i <= last; ++i) {
        const QChar c = section[i];
        if (c == QLatin1Char('.'))
            afterPoint = true;
        else if (c == QLatin1Char(','))
            pattern.groupThousands = true;
        else if (afterPoint && (c == QLatin1Char('0') || c == QLatin1Char('#')))
            ++pattern.decimals;
        else if (!afterPoint && c == QLatin1Char('0'))
            ++pattern.minIntegerDigits;
    }
    return pattern;
}

// The absolute value rounded to `decimals` places, as the digits of an integer
// scaled by 10^decimals. The value is first read at 15 significant digits, the
// precision a double holds, so that 2.675 is rounded as written.
qint64 roundedScaled(double absValue, int decimals)
{
    const int integerDigits = absValue >= 1 ? int(std::floor(std::log10(absValue))) + 1 : 1;
    const QString text = QString::number(absValue, 'f', std::max(0, 15 - integerDigits));
    const qsizetype point = text.indexOf(QLatin1Char('.'));
    const QString integerPart = point < 0 ? text : text.left(point);
    QString fraction = point < 0 ? QString() : text.mid(point + 1);
    fraction = fraction.leftJustified(decimals + 1, QLatin1Char('0'));
    qint64 scaled = (integerPart + fraction.left(decimals)).toLongLong();
    if (fraction[decimals] >= QLatin1Char('5'))
        ++scaled;
    return scaled;
}

QString digits(qint64 scaled, const Pattern &pattern, const QLocale &locale)
{
    QString number = QString::number(scaled).rightJustified(pattern.decimals + 1, QLatin1Char('0'));
    QString integerPart = number.left(number.size() - pattern.decimals);
    const QString fraction = number.right(pattern.decimals);
    if (integerPart == QLatin1String("0") && pattern.minIntegerDigits == 0)
        integerPart.clear();
    integerPart = integerPart.rightJustified(pattern.minIntegerDigits, QLatin1Char('0'));
    if (pattern.groupThousands) {
        for (qsizetype at = integerPart.size() - 3; at > 0; at -= 3)
            integerPart.insert(at, locale.groupSeparator());
    }
    return fraction.isEmpty() ? integerPart : integerPart + locale.decimalPoint() + fraction;
}

} // namespace

QString formatNumber(double value, const QString &format, const QLocale &locale)
{
    const QStringList sections = format.split(QLatin1Char(';'));
    const Pattern positive = parseSection(sections[0]);
    const double absValue = std::fabs(value);

    // The section is chosen on the rounded value: -0.001 is zero, not negative.
    qint64 scaled = roundedScaled(absValue, positive.decimals);
    Pattern pattern = positive;
    bool writeMinus = false;
    if (scaled == 0 && sections.size() > 2 && !sections[2].isEmpty()) {
        pattern = parseSection(sections[2]);
    } else if (value < 0 && scaled != 0) {
        if (sections.size() > 1 && !sections[1].isEmpty())
            pattern = parseSection(sections[1]);
        else
            writeMinus = true;
    }
    if (pattern.decimals != positive.decimals)
        scaled = roundedScaled(absValue, pattern.decimals);
    const QString minus = writeMinus ? QStringLiteral("-") : QString();
    return pattern.prefix + minus + digits(scaled, pattern, locale) + pattern.suffix;
}
