#pragma once

#include <QLocale>
#include <QString>

// Formats a number with a display format of the form used throughout the program:
// up to three sections "positive;negative;zero", each made of literal text around a
// number pattern of "0", "#", "," (group thousands) and "." (decimal point).
// A negative value shown by a second section loses its sign (the section writes its
// own "-", or none). Rounding is half away from zero on the value's 15 significant
// digits, so 2.675 shows as 2.68. Separators come from the locale.
QString formatNumber(double value, const QString &format, const QLocale &locale = QLocale());
