#pragma once

#include <QDateTime>
#include <QList>
#include <QSqlRecord>
#include <QString>

// A counter sale gathered in the basket: a copy taken when it was scanned.
struct BasketRow
{
    QString Utilsa; // the counter user who prepared it (30 characters at most)
    QString ID_POSTE;
    int N_vent = 0;
    QString Client; // never filled
    double Montant = 0;
    QDateTime Date_Vente;
    QString code_barre; // as scanned, or the sale's own barcode
};

// The basket (Liste_Vente): the counter sales of one customer, in the order they
// were added, held in memory only until validation.
class Basket
{
public:
    const QList<BasketRow> &rows() const { return m_rows; }
    int size() const { return int(m_rows.size()); }
    bool isEmpty() const { return m_rows.isEmpty(); }

    // The row of this exact counter sale, or -1.
    int find(int nVent, const QDateTime &dateVente, const QString &codeBarre) const;
    // The first row with this sale number, or -1.
    int findNumber(int nVent) const;

    // Adds a counter sale read from VENT_COMTPOI_CODEBARRE; returns its row.
    int add(const QSqlRecord &sale, const QString &codeBarre);
    void removeAt(int row);
    void clear();

    double total() const;
    // The rows as records named after the basket's fields, for the grid.
    QList<QSqlRecord> records() const;

private:
    QList<BasketRow> m_rows;
};
