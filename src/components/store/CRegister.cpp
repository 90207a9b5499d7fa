#include "components/store/CRegister.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QPoint>
#include <QRect>
#include <QSettings>
#include <QSize>
#include <QStandardPaths>
#include <QStringDecoder>

#include <memory>
#include <utility>

namespace {

// The key's default (unnamed) value is stored under the name "*". Callers address the
// default value by "*" itself, so no named value can ever take this name.
const QString kDefaultValueName = QStringLiteral("*");
// An empty key name (the "" in "A\\\\B") is stored as a group named "\". A real key name
// never contains a backslash (it separates keys), so the two cannot collide.
const QString kEmptyKeyName = QStringLiteral("\\");

QString rootName(std::uint32_t root) {
    switch (root) {
    case CRegister::HKEY_CLASSES_ROOT: return QStringLiteral("HKEY_CLASSES_ROOT");
    case CRegister::HKEY_CURRENT_USER: return QStringLiteral("HKEY_CURRENT_USER");
    case CRegister::HKEY_LOCAL_MACHINE: return QStringLiteral("HKEY_LOCAL_MACHINE");
    case CRegister::HKEY_USERS: return QStringLiteral("HKEY_USERS");
    case 0x80000005u: return QStringLiteral("HKEY_CURRENT_CONFIG");
    default: return {};
    }
}

// The group names of a trimmed key path (none for the root itself); nullopt when the path
// cannot be stored: QSettings reads "/" as a separator, so "A/B" would alias "A\\B".
std::optional<QStringList> keyNames(const QString& trimmedPath) {
    if (trimmedPath.isEmpty()) return QStringList{};
    if (trimmedPath.contains(u'/')) return std::nullopt;
    QStringList names = trimmedPath.split(u'\\');
    for (QString& name : names)
        if (name.isEmpty()) name = kEmptyKeyName;
    return names;
}

// The stored name of a value: "" and "*" both mean the default value.
std::optional<QString> storedValueName(const QString& name) {
    if (name.isEmpty() || name == kDefaultValueName) return kDefaultValueName;
    if (name.contains(u'/')) return std::nullopt;
    return name;
}

QString joinKey(const QString& group, const QString& name) {
    return group.isEmpty() ? name : group + u'/' + name;
}

// The spelling of `wanted` among `names` without regard to case, an exact match first.
std::optional<QString> findName(const QStringList& names, const QString& wanted) {
    if (names.contains(wanted)) return wanted;
    for (const QString& name : names)
        if (name.compare(wanted, Qt::CaseInsensitive) == 0) return name;
    return std::nullopt;
}

QStringList childGroups(QSettings& s, const QString& group) {
    s.beginGroup(group);
    QStringList out = s.childGroups();
    s.endGroup();
    return out;
}

QStringList childKeys(QSettings& s, const QString& group) {
    s.beginGroup(group);
    QStringList out = s.childKeys();
    s.endGroup();
    return out;
}

// The stored group path of a key. Existing keys keep their stored spelling; with `create`
// missing keys take the caller's spelling, otherwise a missing key gives nullopt.
std::optional<QString> resolveGroup(QSettings& s, const QStringList& names, bool create) {
    QString path;
    bool existing = true;
    for (const QString& name : names) {
        if (existing) {
            if (const auto found = findName(childGroups(s, path), name)) {
                path = joinKey(path, *found);
                continue;
            }
        }
        if (!create) return std::nullopt;
        existing = false;
        path = joinKey(path, name);
    }
    return path;
}

// True when the text is a whole INI file as QSettings would read it without loss. Checked
// here on every call because QSettings reports a format error only the first time a file is
// parsed in a process (later instances share the cached parse), yet rewrites such a file
// without complaint on the next write.
bool isWholeIniText(QByteArrayView data) {
    if (data.isEmpty()) return true;
    if (data.contains('\0')) return false;
    QStringDecoder utf8(QStringDecoder::Utf8);
    (void)QString(utf8.decode(data));
    if (utf8.hasError()) return false;

    qsizetype start = 0;
    while (start < data.size()) {
        qsizetype end = start;
        while (end < data.size() && data[end] != '\n' && data[end] != '\r') ++end;
        const QByteArray line = data.sliced(start, end - start).toByteArray().trimmed();
        start = end + 1;
        if (line.isEmpty() || line.startsWith(';')) continue;
        if (line.startsWith('[')) {
            if (!line.contains(']')) return false;
            continue;
        }
        bool inQuotes = false;
        bool hasEquals = false;
        for (qsizetype i = 0; i < line.size(); ++i) {
            const char c = line[i];
            // In a key a backslash separates key names (QSettings writes "a/b" as "a\\b");
            // only in a value does it escape the next character.
            if (c == '\\' && hasEquals) {
                if (++i == line.size()) return false;  // would join the next line
            } else if (c == '"') {
                inQuotes = !inQuotes;
            } else if (!inQuotes && c == '=') {
                hasEquals = true;
            } else if (!inQuotes && c == ';') {
                break;  // the rest is a comment
            }
        }
        if (inQuotes || !hasEquals) return false;
    }
    return true;
}

enum class StoreState { Missing, Sound, Damaged };

StoreState inspectStore(const QString& path) {
    const QFileInfo info(path);
    if (!info.exists()) return StoreState::Missing;
    if (!info.isFile()) return StoreState::Damaged;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return StoreState::Damaged;
    const QByteArray data = file.readAll();
    if (file.error() != QFileDevice::NoError) return StoreState::Damaged;
    return isWholeIniText(data) ? StoreState::Sound : StoreState::Damaged;
}

// Checks the owner write bit as well: for root access() grants everything.
bool ownerMayWrite(const QFileInfo& info) {
    return info.isWritable() && (info.permissions() & QFile::WriteOwner);
}

enum class Access {
    Read,    // the file must exist
    Change,  // the file must exist and be writable
    Create,  // the folder and file are created as needed
};

// The root's store opened and fully parsed, or nullptr when it is missing (for reads and
// changes), damaged, unreadable or, for changes, read-only.
std::unique_ptr<QSettings> openStore(std::uint32_t root, Access access) {
    const QString path = CRegister::storeFile(root);
    if (path.isEmpty()) return nullptr;
    const StoreState state = inspectStore(path);
    if (state == StoreState::Damaged) return nullptr;
    if (state == StoreState::Missing && access != Access::Create) return nullptr;
    if (access != Access::Read) {
        const QString folder = QFileInfo(path).absolutePath();
        // Saving replaces the file through a new one in the same folder.
        if (state == StoreState::Missing && !QDir().mkpath(folder)) return nullptr;
        if (!ownerMayWrite(QFileInfo(folder))) return nullptr;
        if (state == StoreState::Sound && !ownerMayWrite(QFileInfo(path))) return nullptr;
    }
    auto settings = std::make_unique<QSettings>(path, QSettings::IniFormat);
    (void)settings->allKeys();  // parses every section, so that status() covers the file
    if (settings->status() != QSettings::NoError) return nullptr;
    return settings;
}

// Removes one value. QSettings::remove() also removes a subkey of the same name, so the
// subkey's values are put back.
void removeValueOnly(QSettings& s, const QString& key) {
    QMap<QString, QVariant> below;
    s.beginGroup(key);
    for (const QString& k : s.allKeys()) below.insert(k, s.value(k));
    s.endGroup();
    s.remove(key);
    for (auto it = below.cbegin(); it != below.cend(); ++it) s.setValue(key + u'/' + it.key(), it.value());
}

// Changes to one store, saved together. When saving fails the changes are taken back in
// memory: QSettings keeps unsaved changes in its per-process cache and would otherwise save
// them with some later, unrelated call.
class PendingChanges {
public:
    explicit PendingChanges(QSettings& s) : m_s(s) {}

    void setValue(const QString& key, const QString& text) {
        remember(key);
        m_s.setValue(key, text);
    }
    void removeValue(const QString& key) {
        remember(key);
        removeValueOnly(m_s, key);
    }
    // Writes the file under QSettings' lock, merged with what other programs wrote.
    bool commit() {
        m_s.sync();
        if (m_s.status() == QSettings::NoError) return true;
        for (auto it = m_undo.crbegin(); it != m_undo.crend(); ++it) {
            if (it->second) m_s.setValue(it->first, *it->second);
            else removeValueOnly(m_s, it->first);
        }
        return false;
    }

private:
    void remember(const QString& key) {
        m_undo.emplace_back(key, m_s.contains(key) ? std::optional<QVariant>(m_s.value(key)) : std::nullopt);
    }

    QSettings& m_s;
    QList<std::pair<QString, std::optional<QVariant>>> m_undo;
};

// The text of a stored value. Plain values are strings; hand-edited ones may read as
// other types.
QString valueText(const QVariant& v) {
    switch (v.typeId()) {
    case QMetaType::QString: return v.toString();
    case QMetaType::QStringList: return v.toStringList().join(QStringLiteral(", "));
    case QMetaType::QByteArray: return QString::fromLatin1(v.toByteArray());  // as QSettings decoded it
    case QMetaType::QVariantList: {
        QStringList parts;
        for (const QVariant& item : v.toList()) parts << valueText(item);
        return parts.join(QStringLiteral(", "));
    }
    case QMetaType::QRect: {
        const QRect r = v.toRect();
        return QStringLiteral("@Rect(%1 %2 %3 %4)").arg(r.x()).arg(r.y()).arg(r.width()).arg(r.height());
    }
    case QMetaType::QSize: {
        const QSize sz = v.toSize();
        return QStringLiteral("@Size(%1 %2)").arg(sz.width()).arg(sz.height());
    }
    case QMetaType::QPoint: {
        const QPoint p = v.toPoint();
        return QStringLiteral("@Point(%1 %2)").arg(p.x()).arg(p.y());
    }
    default: return v.toString();  // empty for what has no text form
    }
}

}  // namespace

QString CRegister::TrimKeyPath(QString path) {
    if (path.startsWith(u'\\')) path.remove(0, 1);
    if (path.endsWith(u'\\')) path.chop(1);
    return path;
}

QString CRegister::storeFile(std::uint32_t root) {
    const QString name = rootName(root);
    const QString base = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (name.isEmpty() || base.isEmpty()) return {};
    return base + QStringLiteral("/Brindlewood/") + name + QStringLiteral(".ini");
}

std::optional<QString> CRegister::readValue(std::uint32_t root, const QString& keyPath, const QString& valueName) {
    const auto names = keyNames(TrimKeyPath(keyPath));
    const auto stored = storedValueName(valueName);
    if (!names || !stored) return std::nullopt;
    const auto s = openStore(root, Access::Read);
    if (!s) return std::nullopt;
    const auto group = resolveGroup(*s, *names, false);
    if (!group) return std::nullopt;
    const auto name = findName(childKeys(*s, *group), *stored);
    if (!name) return std::nullopt;
    return valueText(s->value(joinKey(*group, *name)));
}

QString CRegister::REGGetSetting(std::uint32_t regHKEY, QString sSection, QString sKey, QString sDefault) {
    return readValue(regHKEY, sSection, sKey).value_or(sDefault);
}

bool CRegister::REGSaveSetting(std::uint32_t regHKEY, QString sSection, QString sKey, QString sValue) {
    const auto names = keyNames(TrimKeyPath(sSection));
    const auto stored = storedValueName(sKey);
    if (!names || !stored) return false;
    const auto s = openStore(regHKEY, Access::Create);
    if (!s) return false;
    const QString group = *resolveGroup(*s, *names, true);
    const QString name = findName(childKeys(*s, group), *stored).value_or(*stored);
    PendingChanges changes(*s);
    changes.setValue(joinKey(group, name), sValue);
    return changes.commit();
}

bool CRegister::REGDeleteSetting(std::uint32_t regHKEY, QString sSection, QString sKey) {
    const auto names = keyNames(TrimKeyPath(sSection));
    if (!names) return false;
    const auto s = openStore(regHKEY, Access::Change);
    if (!s) return false;
    const auto group = resolveGroup(*s, *names, false);
    if (!group) return false;
    PendingChanges changes(*s);
    if (sKey.isEmpty()) {
        // A root cannot be deleted, nor a key that still has subkeys. Removing each value
        // (not the group) keeps a value of the parent that has the key's name.
        if (group->isEmpty() || !childGroups(*s, *group).isEmpty()) return false;
        for (const QString& name : childKeys(*s, *group)) changes.removeValue(joinKey(*group, name));
    } else {
        const auto stored = storedValueName(sKey);
        const auto name = stored ? findName(childKeys(*s, *group), *stored) : std::nullopt;
        if (!name) return false;
        changes.removeValue(joinKey(*group, *name));
    }
    return changes.commit();
}

QStringList CRegister::GetAllKeys(std::uint32_t HKEY, QString strPath) {
    const auto names = keyNames(TrimKeyPath(strPath));
    if (!names) return {};
    const auto s = openStore(HKEY, Access::Read);
    if (!s) return {};
    const auto group = resolveGroup(*s, *names, false);
    if (!group) return {};
    QStringList keys = childGroups(*s, *group);
    for (QString& key : keys)
        if (key == kEmptyKeyName) key.clear();
    return keys;
}
