#pragma once

#include <QString>
#include <QStringList>

// Reads the serial numbers of the computer's physical disks on Linux.
// Two methods: the kernel's sysfs attributes, and the udev database. The root
// folder is "/" in the program and a fake tree in tests.
class DiskSerialReader
{
public:
    explicit DiskSerialReader(const QString &root = QStringLiteral("/"));

    // The physical disks, in drive order (sda before sdb, nvme0n1 before nvme1n1):
    // block devices backed by a device, never loop, ram, zram or device-mapper ones.
    QStringList physicalDisks() const;

    QString serialFromSysfs(int driveNumber) const;
    QString serialFromUdev(int driveNumber) const;

    // The station identifier: the first disk's serial read from sysfs, else the
    // second disk's read from the udev database; at most 30 characters, maybe empty.
    QString stationIdentifier() const;

private:
    QString diskPath(int driveNumber) const;
    QString m_root;
};
