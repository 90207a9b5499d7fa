#include "components/net/DriveOffsets.h"

#include <QCoreApplication>
#include <QtEndian>

#include <algorithm>
#include <cstring>

namespace net {
namespace {

constexpr int kNameBytes = 32;
constexpr int kNameAt = 2;
constexpr int kSubmissionsAt = 35;

}  // namespace

DriveOffsetList parseDriveOffsets(const QByteArray& bytes) {
    DriveOffsetList list;
    if (bytes.isEmpty() || bytes.size() % kDriveOffsetRecord != 0) {
        list.error = bytes.isEmpty() ? QCoreApplication::translate("DriveOffsets", "The drive-offset list is empty.")
                                     : QCoreApplication::translate("DriveOffsets", "The drive-offset list is damaged: it is not "
                                                                                   "a whole number of 69-byte records.");
        return list;
    }
    const auto* data = reinterpret_cast<const uchar*>(bytes.constData());
    for (qsizetype at = 0; at < bytes.size(); at += kDriveOffsetRecord) {
        const auto* name = reinterpret_cast<const char*>(data + at + kNameAt);
        DriveOffsetEntry entry;
        entry.name = QString::fromLatin1(name, qsizetype(strnlen(name, kNameBytes))).simplified();
        entry.offset = qFromLittleEndian<qint16>(data + at);
        entry.submissions = data[at + kSubmissionsAt];
        if (!entry.name.isEmpty()) list.entries.push_back(std::move(entry));
    }
    return list;
}

QByteArray driveOffsetBytes(const std::vector<DriveOffsetEntry>& entries) {
    QByteArray out;
    for (const DriveOffsetEntry& entry : entries) {
        QByteArray record(kDriveOffsetRecord, '\0');
        qToLittleEndian<qint16>(qint16(entry.offset), record.data());
        const QByteArray name = entry.name.toLatin1().left(kNameBytes);
        std::memcpy(record.data() + kNameAt, name.constData(), std::size_t(name.size()));
        record[kSubmissionsAt] = char(std::clamp(entry.submissions, 0, 255));
        out += record;
    }
    return out;
}

QString driveKey(const QString& name) {
    QString key = name.simplified().toUpper();
    if (key.startsWith(QStringLiteral("- "))) key.remove(0, 2);
    else if (const qsizetype dash = key.indexOf(QStringLiteral(" - ")); dash >= 0) key.replace(dash, 3, QLatin1Char(' '));
    return key;
}

std::optional<int> listedOffset(const DriveOffsetList& list, const QString& driveName) {
    const QString key = driveKey(driveName);
    if (key.isEmpty()) return std::nullopt;
    for (const DriveOffsetEntry& entry : list.entries)
        if (driveKey(entry.name) == key) return entry.offset;
    return std::nullopt;
}

}  // namespace net
