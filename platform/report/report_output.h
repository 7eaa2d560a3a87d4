#pragma once

#include "platform/report/report_render.h"

// Writes the prepared page to a PDF file of the page's own size. Throws AppError.
void writeReportPdf(const PreparedReport &report, const QString &path);

// Prints the prepared page without a dialog, on the named printer (the system's
// default one when the name is empty). A printer the system does not list, or no
// printer at all, is an AppError: nothing is sent elsewhere in silence.
void printReport(const PreparedReport &report, const QString &printerName);
