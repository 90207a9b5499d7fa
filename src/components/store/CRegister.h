#pragma once
// The settings store: string values under registry-style key paths, kept in one INI file per
// root (e.g. "HKEY_LOCAL_MACHINE.ini") in the user's configuration folder + "/Brindlewood/".
//
// Rules kept from the registry: a key path loses one backslash at each end and its other
// backslashes separate keys; key and value names compare without regard to letter case; the
// value name "*" means the key's default (unnamed) value; a missing value yields the caller's
// default exactly as passed; an existing empty value yields the empty text.
//
// Contract: no state between calls; every call opens, reads or writes and syncs the file
// itself, under the file lock, so two programs writing at once keep each other's values and
// a write never leaves a half-written file. A store file the user may only read (no owner
// write permission) reads normally and refuses writes (false). A corrupt, truncated or
// unreadable file reads as empty: every read yields its default; it is never overwritten.
// Nothing here throws or shows a message. User-interface thread only.

#include <QString>
#include <QStringList>

#include <cstdint>
#include <optional>

class CRegister {
public:
    // Root handles, as the classic registry numbers them.
    static constexpr std::uint32_t HKEY_CLASSES_ROOT = 0x80000000u;
    static constexpr std::uint32_t HKEY_CURRENT_USER = 0x80000001u;
    static constexpr std::uint32_t HKEY_LOCAL_MACHINE = 0x80000002u;
    static constexpr std::uint32_t HKEY_USERS = 0x80000003u;

    // Deletes one value, or the whole key sSection when sKey is empty (fails when the key
    // has subkeys or does not exist). True when something was deleted.
    bool REGDeleteSetting(std::uint32_t regHKEY, QString sSection, QString sKey);
    // The value's text, or sDefault when it cannot be read.
    QString REGGetSetting(std::uint32_t regHKEY, QString sSection, QString sKey, QString sDefault);
    // Creates the key as needed and writes the value; true when it was written.
    bool REGSaveSetting(std::uint32_t regHKEY, QString sSection, QString sKey, QString sValue);
    // The names of the direct subkeys of strPath; empty for a missing key.
    QStringList GetAllKeys(std::uint32_t HKEY, QString strPath);

    // Reads a value, telling a missing value (nullopt) from an empty one.
    static std::optional<QString> readValue(std::uint32_t root, const QString& keyPath, const QString& valueName);
    // The store file of a root (e.g. ".../Brindlewood/HKEY_LOCAL_MACHINE.ini").
    static QString storeFile(std::uint32_t root);

private:
    static QString TrimKeyPath(QString path);
};
