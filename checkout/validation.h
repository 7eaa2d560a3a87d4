#pragma once

#include "checkout/basket.h"
#include "platform/error_report.h"

// Some counter sales of the basket are no longer open (validated meanwhile at
// another station): nothing was validated.
class SalesNoLongerOpen : public AppError
{
public:
    explicit SalesNoLongerOpen(const QList<int> &saleNumbers);
    QList<int> saleNumbers;
};

// Validates every counter sale of the basket under one new global ticket number
// (the largest one plus one, 1 when there is none), with the basket's discount and
// amount paid and the cashier's key, all in one transaction: every sale or none.
// Validations of several stations take turns for the number. Returns the number.
// Throws SalesNoLongerOpen or DbError; an empty basket is not validated.
int validateBasket(const QList<BasketRow> &rows, double discount, double paid, const QString &userKey);

// The largest global ticket number of the shop, 0 when there is none. Throws DbError.
int largestTicketNumber();
