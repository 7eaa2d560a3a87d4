#pragma once

#include <QString>

// The EAN-13 check digit of twelve digits.
int ean13CheckDigit(const QString &twelveDigits);

// True when the text is thirteen digits whose last one is the right check digit.
bool isValidEan13(const QString &code);
