#pragma once

#include "data/database.h"

#include <QDateTime>

// The open counter sales (VALIDE NULL or "False") carrying a sale barcode.
Rows openSalesByBarcode(const QString &code);
// The open counter sales with a sale number.
Rows openSalesByNumber(double number);
// The lines of one counter sale.
Rows saleLines(int nVent, const QDateTime &dateVente, const QString &codeBarre);
