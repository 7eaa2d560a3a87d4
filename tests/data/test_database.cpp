#include "tests/support/test_database.h"
#include "data/option_store.h"

#include <QDateTime>
#include <QTest>

namespace {
const QString openSales = QStringLiteral(
    "Select * from VENT_COMTPOI_CODEBARRE Where (VALIDE is  null or VALIDE ='False') and (CODE_BRRE=:T)");
const QString insertSale = QStringLiteral(
    "insert into VENT_COMTPOI_CODEBARRE (CLE_AUTO_VENT, N_VENT, CODE_BRRE, MONTANT, VALIDE, DATE_VENTE)"
    " values (:K, :N, :C, :M, :V, :D)");
const QString callUserProcedure
    = QStringLiteral("EXECUTE PROCEDURE UTILISA_IU(:CLE_USER, :NAME, :PASS, :INFO, :BLOQUE, :POSTE)");
} // namespace

// The shared database as the program and the counter stations use it.
class TestDatabaseSchema : public QObject
{
    Q_OBJECT

private slots:
    void openSalesAreNullOrFalse()
    {
        TestDatabase test;
        const QDateTime when(QDate(2026, 12, 11), QTime(10, 0));
        test.db().execute(insertSale, { 1, 7, "2000000000015", 10.0, QVariant(), when });
        test.db().execute(insertSale, { 2, 7, "2000000000015", 20.0, "False", when.addDays(-1) });
        test.db().execute(insertSale, { 3, 7, "2000000000015", 30.0, "True", when.addDays(-2) });
        const Rows rows = test.db().select(openSales, { "2000000000015" });
        QCOMPARE(rows.size(), 2);
        // Same sale number on two days: number and date-time tell them apart.
        QCOMPARE(TestDatabase::scalar("select CLE_AUTO_VENT from VENT_COMTPOI_CODEBARRE where N_VENT = :N and "
                                      "DATE_VENTE = :D",
                     { 7, when.addDays(-1) })
                     .toInt(),
            2);
    }

    void amountsAddUpExactly()
    {
        TestDatabase test;
        const QDateTime when(QDate(2026, 12, 11), QTime(10, 0));
        for (int key = 1; key <= 10; ++key)
            test.db().execute(insertSale, { key, key, "2000000000015", 0.1, QVariant(), when });
        test.db().execute(insertSale, { 11, 11, "2000000000015", 2.675, QVariant(), when });
        QCOMPARE(TestDatabase::scalar("select sum(MONTANT) from VENT_COMTPOI_CODEBARRE where CLE_AUTO_VENT <= 10")
                     .toString(),
            QStringLiteral("1"));
        // Stored to the cent, as written.
        QCOMPARE(TestDatabase::scalar("select MONTANT from VENT_COMTPOI_CODEBARRE where CLE_AUTO_VENT = 11").toDouble(),
            2.68);
    }

    void requiredColumnsAreEnforced()
    {
        TestDatabase test;
        // Written as NULL in the text: Qt's driver would bind a NULL parameter of a
        // required column as an empty text.
        QVERIFY_THROWS_EXCEPTION(DbError,
            test.db().execute("insert into VENT_COMTPOI_CODEBARRE (CLE_AUTO_VENT, "
                              "N_VENT, CODE_BRRE) values (1, 7, NULL)"));
        QVERIFY_THROWS_EXCEPTION(DbError,
            test.db().execute("insert into OPTION_CAISSE (OPTI, PARAM, ID_POSTE, "
                              "CLE_UTILSATEUR) values ('x', NULL, '', 1)"));
    }

    void userProcedureInsertsAndUpdates()
    {
        TestDatabase test;
        // Explicit keys first, as an installation does for the administrator.
        test.db().execute(callUserProcedure, { 1, "admin", "pw", "", "False", "" });
        test.db().execute(callUserProcedure, { QVariant(), "ali", "x", "", "False", "Caisse" });
        QCOMPARE(TestDatabase::scalar("select CLE_USER from UTILISA where NAME = 'ali'").toInt(), 2);
        test.db().execute(callUserProcedure, { 2, "ali", "y", "info", "True", "Caisse" });
        const Rows users = test.db().select("select * from UTILISA order by CLE_USER");
        QCOMPARE(users.size(), 2);
        QCOMPARE(users[1].value("PASS").toString(), QStringLiteral("y"));
        QCOMPARE(users[1].value("BLOQUE").toString(), QStringLiteral("True"));
    }

    void cashMovementsGetTheirKeys()
    {
        TestDatabase test;
        for (int i = 0; i < 2; ++i) {
            test.db().execute("insert into ALIMONTATION_CASEE(DATE_ALIMONTATION, MONTANT_ALIMONTATION, OBSERVATION,"
                              " cle_user, TYPE_ALIMENTATION, CLE_CAISSE) values (:D, :M, :O, :U, :T, :C)",
                { QDate(2026, 12, 11), 500.0, "fond", 1, QVariant(), 1 });
            test.db().execute("insert into RETRIAE_CASSE(DATE_RETRIAE, MONTANT_RETARIAE, OBSERVATION, cle_user,"
                              " TYPE_RETRIE, CLE_CAISSE) values (:D, :M, :O, :U, :T, :C)",
                { QDate(2026, 12, 11), 100.0, "banque", 1, QVariant(), 1 });
        }
        QCOMPARE(TestDatabase::scalar("select count(distinct CLE_ALMIANTATION) from ALIMONTATION_CASEE").toInt(), 2);
        QCOMPARE(TestDatabase::scalar("select count(distinct CLE_RETRAIE) from RETRIAE_CASSE").toInt(), 2);
    }

    // Options: "True" by default, one row per station, user and option.
    void optionStore()
    {
        TestDatabase test;
        OptionStore store;
        store.open();
        QCOMPARE(store.ReadString(OptionKey::printPreview, "True", "DISK-A", "2"), QStringLiteral("True"));

        store.writeString(OptionKey::printPreview, "False", "DISK-A", "2");
        store.writeString(OptionKey::printPreview, "True", "DISK-B", "2");
        store.writeString(OptionKey::printPreview, "True", "DISK-A", "3");
        store.writeString(OptionKey::printPreview, "False", "DISK-B", "2"); // changes, adds no row
        QCOMPARE(TestDatabase::scalar("select count(*) from OPTION_CAISSE").toInt(), 3);

        OptionStore reread;
        reread.open();
        QCOMPARE(reread.ReadString(OptionKey::printPreview, "True", "DISK-A", "2"), QStringLiteral("False"));
        QCOMPARE(reread.ReadString(OptionKey::printPreview, "True", "DISK-B", "2"), QStringLiteral("False"));
        QCOMPARE(reread.ReadString(OptionKey::printPreview, "True", "DISK-A", "3"), QStringLiteral("True"));
        QCOMPARE(reread.ReadString(OptionKey::discountWindow, "True", "DISK-A", "2"), QStringLiteral("True"));
        // The stored key of direct printing has no accent.
        reread.writeString(OptionKey::printAfterValidation, "False", "", "2");
        QCOMPARE(TestDatabase::scalar("select OPTI from OPTION_CAISSE where ID_POSTE = ''").toString(),
            QStringLiteral("Imprimer directement apres la Validation"));

        // Another run added the same row meanwhile: the key refuses it, and this
        // run's memory is left as it was.
        QVERIFY_THROWS_EXCEPTION(DbError, store.writeString(OptionKey::printAfterValidation, "True", "", "2"));
        QCOMPARE(store.ReadString(OptionKey::printAfterValidation, "x", "", "2"), QStringLiteral("x"));
    }

    // After a failed start, the next statement opens the connection again.
    void nextStatementReconnects()
    {
        TestDatabase test;
        Database &db = Database::instance();
        db.close();
        QCOMPARE(TestDatabase::scalar("select count(*) from UTILISA").toInt(), 0);
        QVERIFY(db.isOpen());

        db.close();
        db.setDatabaseName(test.path() + QStringLiteral(".missing"));
        QVERIFY_THROWS_EXCEPTION(DbError, db.select("select count(*) from UTILISA"));
        db.setDatabaseName(test.path());
        QCOMPARE(TestDatabase::scalar("select count(*) from UTILISA").toInt(), 0);
    }
};

QTEST_GUILESS_MAIN(TestDatabaseSchema)
#include "test_database.moc"
