#pragma once

#include "data/database.h"
#include "platform/report/report_layout.h"

// The receipt of a global ticket number: every line of every counter sale
// validated under it, with the counter sale's columns (the dataset "Ticet").
Rows receiptRows(int ticketNumber);
// The sales list's copy of the receipt query, which orders its lines otherwise.
Rows salesListReceiptRows(int ticketNumber);

// The receipt layout file of the working folder, "Etat/Ticket_FR.fr3"; the folder
// name is matched without regard to case. Empty when there is none.
QString receiptLayoutPath();

// Where the receipt layout file goes when it is saved for the first time.
QString defaultReceiptLayoutPath();

// The checkout's receipt layout: the file's when there is one, else the one the
// program carries (file empty). Throws AppError when the file does not read.
struct ReceiptLayout
{
    ReportLayout layout;
    QString file;
};
ReceiptLayout loadReceiptLayout();

// The receipts the program carries: the checkout's and the sales list's.
ReportLayout builtInReceiptLayout();
ReportLayout builtInSalesListReceiptLayout();
