#include "tests/support/test_database.h"

#include <QProcess>
#include <QTest>

// The statements of the checkout, the lists and the cash journal use the
// indexes of the schema, so that they cost the same whatever the tables hold.
class TestQueryPlans : public QObject
{
    Q_OBJECT

private slots:
    void statementsUseTheIndexes_data()
    {
        QTest::addColumn<QString>("statement");
        QTest::addColumn<QString>("index");
        QTest::newRow("scan") << "Select * from VENT_COMTPOI_CODEBARRE Where (VALIDE is  null or VALIDE ='False') "
                                 "and (CODE_BRRE=?)"
                              << "IX_VENTE_CODE_BRRE";
        QTest::newRow("sale number") << "Select * from VENT_COMTPOI_CODEBARRE Where (VALIDE is  null or VALIDE "
                                        "='False') and (N_VENT=?)"
                                     << "INDEX (IX_VENTE_OUVERTE_N_VENT, IX_VENTE_OUVERTE_N_VENT)";
        QTest::newRow("lines") << "select  * From ARTICLE_VENT_COMPTOIR where (NUM_VENT=?) and (DAT_TIME_VENT=?) and "
                                  "(CODE_BRRE_VENTE=?)"
                               << "IX_ARTICLE_VENTE";
        QTest::newRow("largest ticket") << "Select MAX(NUM_GLOBAL)as nbr From VENT_COMTPOI_CODEBARRE"
                                        << "ORDER IX_VENTE_NUM_GLOBAL";
        QTest::newRow("validation") << "Update VENT_COMTPOI_CODEBARRE Set REMIS=?, VALIDE='True' WHere (N_VENT=?) and "
                                       "(DATE_VENTE=?)"
                                    << "IX_VENTE_DATE_N_VENT";
        QTest::newRow("sales of a period") << "Select * from VENT_COMTPOI_CODEBARRE Where ( CAST(DATE_VENTE as date ) "
                                              "between ? and ?)"
                                           << "IX_VENTE_JOUR";
        QTest::newRow("feedings of a period") << "select sum(MONTANT_ALIMONTATION)as tot_alim_caise from "
                                                 "ALIMONTATION_CASEE Where ( CAST(DATE_ALIMONTATION as date ) between "
                                                 "? and ?)"
                                              << "IX_ALIMONTATION_JOUR";
        QTest::newRow("withdrawals of a period") << "select sum(MONTANT_RETARIAE)as tot_retr_caise from RETRIAE_CASSE "
                                                    "Where CAST(DATE_RETRIAE as date ) between ? and ?"
                                                 << "IX_RETRIAE_JOUR";
    }

    void statementsUseTheIndexes()
    {
        QFETCH(QString, statement);
        QFETCH(QString, index);
        TestDatabase test;
        Database::instance().close(); // the embedded engine serves one process per file
        QProcess isql;
        isql.setProcessChannelMode(QProcess::MergedChannels);
        isql.start("isql-fb", { "-q", test.path() });
        isql.write(("set planonly on;\n" + statement + ";\n").toUtf8());
        isql.closeWriteChannel();
        QVERIFY(isql.waitForFinished());
        const QString plan = QString::fromUtf8(isql.readAll());
        QVERIFY2(plan.contains(index), qPrintable(plan));
    }
};

QTEST_GUILESS_MAIN(TestQueryPlans)
#include "test_query_plans.moc"
