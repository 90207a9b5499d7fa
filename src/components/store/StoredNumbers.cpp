#include "components/store/StoredNumbers.h"

#include "components/store/CRegister.h"

namespace stored {

std::optional<int> number(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

std::optional<int> inRange(const QString& text, int minimum, int maximum) {
    const std::optional<int> value = number(text);
    return value && *value >= minimum && *value <= maximum ? value : std::nullopt;
}

int integer(const QString& text, int defaultValue, int minimum, int maximum) {
    return inRange(text, minimum, maximum).value_or(defaultValue);
}

bool flag(const QString& text, bool defaultValue) {
    bool ok = false;
    const long long value = text.trimmed().toLongLong(&ok);
    return ok ? value != 0 : defaultValue;
}

QString flagText(bool value) { return value ? QStringLiteral("-1") : QStringLiteral("0"); }

QString text(const QString& key, const QString& name, const QString& fallback) {
    return CRegister().REGGetSetting(CRegister::HKEY_LOCAL_MACHINE, key, name, fallback);
}

std::optional<int> inRange(const QString& key, const QString& name, int defaultValue, int minimum, int maximum) {
    return inRange(text(key, name, QString::number(defaultValue)), minimum, maximum);
}

int integer(const QString& key, const QString& name, int defaultValue, int minimum, int maximum) {
    return integer(text(key, name, QString::number(defaultValue)), defaultValue, minimum, maximum);
}

void save(const QString& key, const QString& name, int value) { saveText(key, name, QString::number(value)); }

void saveText(const QString& key, const QString& name, const QString& value) {
    CRegister().REGSaveSetting(CRegister::HKEY_LOCAL_MACHINE, key, name, value);
}

}  // namespace stored
