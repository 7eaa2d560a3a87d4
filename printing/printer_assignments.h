#pragma once

#include "data/database.h"

// The report-to-printer rows (ETAT_IMPRIMTION) a user sees: the administrator
// (key "1") every row, another user his own rows from every station.
Rows printerAssignments(const QString &userKey);

// Saves a report's printer: updates the first of the shown rows that bears the
// report's name (it then carries this station and user), or inserts a row.
// Refuses an empty report or printer. Throws AppError or DbError.
void savePrinterAssignment(const Rows &shown, const QString &report, const QString &printer,
    const QString &stationIdentifier, const QString &userKey);

// Deletes one shown row. Throws DbError.
void deletePrinterAssignment(const QSqlRecord &row);

// The reports that can be given a printer.
QStringList printableReports();
