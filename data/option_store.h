#pragma once

#include <QList>
#include <QString>

// The after-validation options of each station and user (table OPTION_CAISSE).
// The whole table is read once, at login; reads look in memory, and each write
// is stored in the table at once.
class OptionStore
{
public:
    // Reads every row of the table; throws DbError.
    void open();

    QString ReadString(
        const QString &Section, const QString &defaults, const QString &ID, const QString &Cle_util) const;
    // Throws DbError; the row in memory changes only once the table has it.
    void writeString(const QString &Section, const QString &Value, const QString &ID, const QString &Cle_util);

private:
    struct Option
    {
        QString opti;
        QString param; // null when the column is NULL
        QString idPoste;
        int cleUtilisateur = 0;
    };
    Option *find(const QString &Section, const QString &ID, const QString &Cle_util);
    QList<Option> m_rows;
};

// The option keys; the second one is stored without the accent of its caption.
namespace OptionKey {
inline const QString discountWindow = QStringLiteral("Afficher la fenetre de la Remise");
inline const QString printAfterValidation = QStringLiteral("Imprimer directement apres la Validation");
inline const QString printPreview = QStringLiteral("Apercu l'impression");
} // namespace OptionKey
