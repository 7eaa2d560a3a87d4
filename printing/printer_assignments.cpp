#include "printing/printer_assignments.h"

namespace {
const QString everyRow = QStringLiteral("Select * from ETAT_IMPRIMTION ");
const QString rowsOfUser = QStringLiteral("Select * from ETAT_IMPRIMTION WHERE CLS_UTILSATEUR=:CLS_UTILSATEUR");
// The table has no key of its own: a row is found by all its values; rows that
// are equal in every value are one and the same to the user.
const QString updateRow
    = QStringLiteral("update ETAT_IMPRIMTION set ETAT = :ETAT, IMPRITION = :IMPRITION, ID_POSTE = :ID_POSTE,\n"
                     "  CLS_UTILSATEUR = :CLS_UTILSATEUR\n"
                     "where ETAT = :OLD_ETAT and IMPRITION = :OLD_IMPRITION and ID_POSTE = :OLD_ID_POSTE\n"
                     "  and CLS_UTILSATEUR = :OLD_CLS_UTILSATEUR\n"
                     "rows 1");
const QString insertRow = QStringLiteral("insert into ETAT_IMPRIMTION (ETAT, IMPRITION, ID_POSTE, CLS_UTILSATEUR)\n"
                                         "values (:ETAT, :IMPRITION, :ID_POSTE, :CLS_UTILSATEUR)");
const QString deleteRow = QStringLiteral(
    "delete from ETAT_IMPRIMTION\n"
    "where ETAT = :ETAT and IMPRITION = :IMPRITION and ID_POSTE = :ID_POSTE and CLS_UTILSATEUR = :CLS_UTILSATEUR\n"
    "rows 1");

QVariantList valuesOf(const QSqlRecord &row)
{
    return { row.value(QStringLiteral("ETAT")), row.value(QStringLiteral("IMPRITION")),
        row.value(QStringLiteral("ID_POSTE")), row.value(QStringLiteral("CLS_UTILSATEUR")) };
}
} // namespace

Rows printerAssignments(const QString &userKey)
{
    if (userKey == QLatin1String("1"))
        return Database::instance().select(everyRow);
    return Database::instance().select(rowsOfUser, { userKey });
}

void savePrinterAssignment(const Rows &shown, const QString &report, const QString &printer,
    const QString &stationIdentifier, const QString &userKey)
{
    if (report.isEmpty() || printer.isEmpty())
        throw AppError(QStringLiteral("Choisissez un état de sortie et une imprimante avant de valider."));
    const QVariantList values { report, printer, stationIdentifier, userKey.toInt() };
    for (const QSqlRecord &row : shown) {
        if (row.value(QStringLiteral("ETAT")).toString() == report) {
            Database::instance().execute(updateRow, values + valuesOf(row));
            return;
        }
    }
    Database::instance().execute(insertRow, values);
}

void deletePrinterAssignment(const QSqlRecord &row)
{
    Database::instance().execute(deleteRow, valuesOf(row));
}

QStringList printableReports()
{
    return { QStringLiteral("Format Ticket de Caisse Fr (8 cm)"),
        QStringLiteral("Format Ticket de Caisse Ar (8 cm) ") };
}
