#include "app/local_address.h"
#include "platform/app_title.h"
#include "platform/disk_serial.h"
#include "platform/display_format.h"
#include "platform/ean13.h"
#include "platform/error_report.h"
#include "platform/text_lines.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestPlatform : public QObject
{
    Q_OBJECT

private:
    static void writeFile(const QString &path, const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

private slots:
    void displayFormats_data()
    {
        QTest::addColumn<QString>("format");
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("expected");
        const QString c = QStringLiteral("C");
        QTest::newRow("grouped") << ",0.00" << 1234.5 << c << "1,234.50";
        QTest::newRow("grouped millions") << ",0.00" << 1234567.891 << c << "1,234,567.89";
        QTest::newRow("grouped negative keeps its sign") << ",0.00" << -1234.5 << c << "-1,234.50";
        QTest::newRow("half rounds away from zero") << ",0.00" << 2.675 << c << "2.68";
        QTest::newRow("zero") << ",0.00" << 0.0 << c << "0.00";
        QTest::newRow("typed positive") << ",0.00;-,0.00 " << 1234.5 << c << "1,234.50";
        QTest::newRow("typed negative: trailing blank") << ",0.00;-,0.00 " << -1234.5 << c << "-1,234.50 ";
        QTest::newRow("rounded to zero is not negative") << ",0.00;-,0.00 " << -0.001 << c << "0.00";
        QTest::newRow("negative shown without sign") << ",0.00;,0.00" << -50.0 << c << "50.00";
        QTest::newRow("plain two decimals") << "0.00" << 1234.5 << c << "1234.50";
        QTest::newRow("plain negative") << "0.00" << -3.14159 << c << "-3.14";
        QTest::newRow("integer") << "0" << 7.0 << c << "7";
        QTest::newRow("integer rounds half up") << "0" << 2.5 << c << "3";
        QTest::newRow("two digits") << "00" << 5.0 << c << "05";
        QTest::newRow("two digits, more") << "00" << 123.0 << c << "123";
        QTest::newRow("collections positive") << "  ,0.00;-,0.00  " << 1500.0 << c << "  1,500.00";
        QTest::newRow("collections negative") << "  ,0.00;-,0.00  " << -1500.0 << c << "-1,500.00  ";
        QTest::newRow("French separators") << ",0.00" << 1234.5 << "fr_FR" << QString::fromUtf8("1\u202F234,50");
        QTest::newRow("Algerian separators") << ",0.00" << 1234.5 << "ar_DZ"
                                             << "1.234,50";
    }

    void displayFormats()
    {
        QFETCH(QString, format);
        QFETCH(double, value);
        QFETCH(QString, locale);
        QFETCH(QString, expected);
        QCOMPARE(formatNumber(value, format, QLocale(locale)), expected);
    }

    void applicationTitle_data()
    {
        QTest::addColumn<QString>("program");
        QTest::addColumn<QString>("title");
        QTest::newRow("upper case name") << "/opt/talvo/TALVO"
                                         << "Talvo";
        QTest::newRow("extension dropped") << "C:/caisse/TALVO.exe"
                                           << "Talvo";
        QTest::newRow("cut at the first dot") << "/usr/bin/Caisse.v2.bin"
                                              << "Caisse";
        QTest::newRow("first letter kept") << "talvoPOS"
                                           << "talvopos";
    }

    void applicationTitle()
    {
        QFETCH(QString, program);
        QFETCH(QString, title);
        QCOMPARE(applicationTitleFor(program), title);
    }

    void ean13()
    {
        QCOMPARE(ean13CheckDigit(QStringLiteral("400638133393")), 1);
        QVERIFY(isValidEan13(QStringLiteral("4006381333931")));
        QVERIFY(!isValidEan13(QStringLiteral("4006381333932")));
        QVERIFY(!isValidEan13(QStringLiteral("400638133393")));
        QVERIFY(!isValidEan13(QStringLiteral("40063813339A1")));
    }

    void textLines_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("lines");
        QTest::newRow("CR LF") << QByteArray("a\r\nb\r\n\r\nd\r\n") << QStringList { "a", "b", "", "d" };
        QTest::newRow("LF, no final break") << QByteArray("a\nb\n\nd") << QStringList { "a", "b", "", "d" };
        QTest::newRow("CR") << QByteArray("a\rb\r\rd\r") << QStringList { "a", "b", "", "d" };
        QTest::newRow("blanks kept") << QByteArray(" a \n\tb\n\nd  \n") << QStringList { " a ", "\tb", "", "d  " };
        QTest::newRow("UTF-8") << QByteArray("Caisse \xc3\xa9t\xc3\xa9\n")
                               << QStringList { QString::fromUtf8("Caisse été") };
        QTest::newRow("UTF-8 with BOM") << QByteArray("\xef\xbb\xbfx\n") << QStringList { "x" };
        QTest::newRow("Windows-1252") << QByteArray("Caisse \xe9t\xe9 \x80\n")
                                      << QStringList { QString::fromUtf8("Caisse été €") };
        QTest::newRow("empty") << QByteArray() << QStringList {};
    }

    void textLines()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("Ch.txt"));
        writeFile(path, bytes);
        QCOMPARE(readTextLines(path), lines);
    }

    void missingTextFileIsAnError()
    {
        QTemporaryDir folder;
        try {
            readTextLines(folder.filePath(QStringLiteral("Ch.txt")));
            QFAIL("no error");
        } catch (const AppError &error) {
            QVERIFY2(error.message().contains(QStringLiteral("Ch.txt")), qPrintable(error.message()));
        }
    }

    // A fake /sys and /run/udev: the loop, zram and device-mapper devices are
    // not disks; sda comes before sdb; the second disk's serial comes from udev.
    void diskSerials()
    {
        QTemporaryDir root;
        const auto disk = [&](const QString &name, const QByteArray &dev, bool hasDevice) {
            writeFile(root.filePath("sys/block/" + name + "/dev"), dev + "\n");
            if (hasDevice)
                QDir().mkpath(root.filePath("sys/block/" + name + "/device"));
        };
        disk("loop0", "7:0", false);
        disk("zram0", "253:0", false);
        disk("dm-0", "254:1", true);
        disk("sdb", "8:16", true);
        disk("sda", "8:0", true);
        writeFile(root.filePath("run/udev/data/b8:16"),
            "S:disk/by-id/x\nE:ID_SERIAL=WDC_WD10-WX31\nE:ID_SERIAL_SHORT=WX31\n");

        DiskSerialReader reader(root.path());
        QCOMPARE(reader.physicalDisks(), (QStringList { "sda", "sdb" }));

        // The first disk gives nothing: the second one's, read from udev.
        QCOMPARE(reader.stationIdentifier(), QStringLiteral("WX31"));

        // SATA: the unit serial number page, four header bytes then the serial, blank padded.
        writeFile(
            root.filePath("sys/block/sda/device/vpd_pg80"), QByteArray("\x00\x80\x00\x14", 4) + "  S3Z9NB0K123456A   ");
        QCOMPARE(reader.stationIdentifier(), QStringLiteral("S3Z9NB0K123456A"));

        // NVMe: the serial attribute wins, cut to the 30 characters a station identifier holds.
        writeFile(root.filePath("sys/block/sda/device/serial"), QByteArray(40, 'N') + "\n");
        QCOMPARE(reader.stationIdentifier(), QString(30, QLatin1Char('N')));
    }

    void noDiskGivesAnEmptyIdentifier()
    {
        QTemporaryDir root;
        QCOMPARE(DiskSerialReader(root.path()).stationIdentifier(), QString());
    }

    void lastIpv4AddressIsKept()
    {
        const QList<QHostAddress> addresses { QHostAddress("192.168.1.10"), QHostAddress("::1"),
            QHostAddress("10.0.0.5"), QHostAddress("fe80::1") };
        QCOMPARE(lastIpv4Address(addresses), QStringLiteral("10.0.0.5"));
        QCOMPARE(lastIpv4Address({ QHostAddress("::1") }), QString());
    }
};

QTEST_GUILESS_MAIN(TestPlatform)
#include "test_platform.moc"
