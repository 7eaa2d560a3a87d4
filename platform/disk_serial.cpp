#include "platform/disk_serial.h"

#include <QCollator>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const int maxIdentifierLength = 30;

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QString printable(const QByteArray &bytes)
{
    QString text;
    for (char c : bytes) {
        if (c >= 0x20 && c < 0x7F)
            text.append(QLatin1Char(c));
    }
    return text.trimmed();
}

bool isVirtualName(const QString &name)
{
    static const char *const prefixes[] = { "loop", "ram", "zram", "dm-", "md", "sr", "nbd" };
    for (const char *prefix : prefixes) {
        if (name.startsWith(QLatin1String(prefix)))
            return true;
    }
    return false;
}

} // namespace

DiskSerialReader::DiskSerialReader(const QString &root)
    : m_root(root)
{
}

QStringList DiskSerialReader::physicalDisks() const
{
    QDir block(m_root + QStringLiteral("/sys/block"));
    QStringList disks;
    for (const QString &name : block.entryList(QDir::Dirs | QDir::NoDotAndDotDot | QDir::System)) {
        // A disk of a real or virtual controller has a device link; loop and
        // memory devices have none.
        if (!isVirtualName(name) && QFileInfo::exists(block.filePath(name + QStringLiteral("/device"))))
            disks.append(name);
    }
    QCollator natural;
    natural.setNumericMode(true);
    std::sort(
        disks.begin(), disks.end(), [&](const QString &a, const QString &b) { return natural.compare(a, b) < 0; });
    return disks;
}

QString DiskSerialReader::diskPath(int driveNumber) const
{
    const QStringList disks = physicalDisks();
    if (driveNumber < 0 || driveNumber >= disks.size())
        return QString();
    return m_root + QStringLiteral("/sys/block/") + disks[driveNumber];
}

QString DiskSerialReader::serialFromSysfs(int driveNumber) const
{
    const QString disk = diskPath(driveNumber);
    if (disk.isEmpty())
        return QString();
    // NVMe and most SCSI disks, then virtio disks.
    for (const char *attribute : { "/device/serial", "/serial" }) {
        const QString serial = printable(readAll(disk + QLatin1String(attribute)));
        if (!serial.isEmpty())
            return serial;
    }
    // SATA disks through libata: the unit serial number page (four header bytes).
    const QByteArray page = readAll(disk + QStringLiteral("/device/vpd_pg80"));
    return page.size() > 4 ? printable(page.mid(4)) : QString();
}

QString DiskSerialReader::serialFromUdev(int driveNumber) const
{
    const QString disk = diskPath(driveNumber);
    if (disk.isEmpty())
        return QString();
    const QString majorMinor = printable(readAll(disk + QStringLiteral("/dev")));
    const QByteArray record = readAll(m_root + QStringLiteral("/run/udev/data/b") + majorMinor);
    QString serial;
    for (const QByteArray &line : record.split('\n')) {
        if (line.startsWith("E:ID_SERIAL_SHORT="))
            return printable(line.mid(18));
        if (line.startsWith("E:ID_SERIAL="))
            serial = printable(line.mid(12));
    }
    return serial;
}

QString DiskSerialReader::stationIdentifier() const
{
    QString serial = serialFromSysfs(0);
    if (serial.isEmpty())
        serial = serialFromUdev(1);
    return serial.left(maxIdentifierLength);
}
