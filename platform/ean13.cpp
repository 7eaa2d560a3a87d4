#include "platform/ean13.h"

int ean13CheckDigit(const QString &twelveDigits)
{
    int sum = 0;
    for (int i = 0; i < 12; ++i)
        sum += twelveDigits[i].digitValue() * (i % 2 ? 3 : 1);
    return (10 - sum % 10) % 10;
}

bool isValidEan13(const QString &code)
{
    if (code.size() != 13)
        return false;
    for (QChar c : code) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9'))
            return false;
    }
    return ean13CheckDigit(code.left(12)) == code[12].digitValue();
}
