#pragma once
// Reading the numbers and flags that windows keep in the settings store: a stored value is a
// control state written as decimal text; text that is not a whole number, or lies outside what
// the control can show, counts as missing.

#include <QString>

#include <optional>

namespace stored {

// The whole number a text holds (spaces around it allowed); nothing otherwise.
std::optional<int> number(const QString& text);
// The number when it lies in minimum..maximum; nothing otherwise.
std::optional<int> inRange(const QString& text, int minimum, int maximum);
// inRange, or the default.
int integer(const QString& text, int defaultValue, int minimum, int maximum);
// A flag: true when the number is not 0; the default when the text is not a number.
bool flag(const QString& text, bool defaultValue);
// How flags are stored: "-1" for true, "0" for false.
QString flagText(bool value);

// The text of a value under `key` of the machine-wide root; `fallback` when it is missing.
QString text(const QString& key, const QString& name, const QString& fallback);
// The value under `key` read as inRange/integer, with `defaultValue` when it is missing.
std::optional<int> inRange(const QString& key, const QString& name, int defaultValue, int minimum, int maximum);
int integer(const QString& key, const QString& name, int defaultValue, int minimum, int maximum);
// Writes a number or a flag under `key` of the machine-wide root.
void save(const QString& key, const QString& name, int value);
// Writes a text under `key` of the machine-wide root.
void saveText(const QString& key, const QString& name, const QString& value);

}  // namespace stored
