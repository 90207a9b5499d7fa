#pragma once
// placeholder until the store helper lands
#include <QString>
#include <cstdint>
bool GetKeyValue(std::uint32_t KeyRoot, const QString& KeyName, const QString& SubKeyRef, QString& KeyVal);
void StartSysInfo();
