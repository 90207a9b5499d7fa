#pragma once
// The tables the encoder settings share: the bitrates of the MP3 and Ogg Vorbis bitrate sliders
// and the sampling frequencies of their frequency lists. Stored settings hold positions in
// these tables, so their order is part of every stored file.

#include <QCoreApplication>

#include <array>

namespace settings_tables {

// kbit/s at slider positions 0..14 (40 and 80 are not offered).
inline constexpr std::array<int, 15> kBitrates{8, 16, 24, 32, 48, 56, 64, 96, 112, 128, 160, 192, 224, 256, 320};

struct SamplingFrequency {
    const char* text;  // untranslated, spaces included
    int hz;
    // The text as the frequency lists show it, in the user's language.
    QString shownText() const { return QCoreApplication::translate("SettingsTables", text); }
};

//: A sampling frequency in the lists; digits grouped as the language groups them
inline constexpr std::array<SamplingFrequency, 9> kSamplingFrequencies{{
    {QT_TRANSLATE_NOOP("SettingsTables", "  8 000 Hz"), 8000},
    {QT_TRANSLATE_NOOP("SettingsTables", "11 025 Hz"), 11025},
    {QT_TRANSLATE_NOOP("SettingsTables", "12 000 Hz "), 12000},
    {QT_TRANSLATE_NOOP("SettingsTables", "16 000 Hz"), 16000},
    {QT_TRANSLATE_NOOP("SettingsTables", "22 050 Hz"), 22050},
    {QT_TRANSLATE_NOOP("SettingsTables", "24 000 Hz"), 24000},
    {QT_TRANSLATE_NOOP("SettingsTables", "32 000 Hz"), 32000},
    {QT_TRANSLATE_NOOP("SettingsTables", "44 100 Hz"), 44100},
    {QT_TRANSLATE_NOOP("SettingsTables", "48 000 Hz"), 48000}}};

// The bitrate at a position; `fallback` for a position outside the table.
constexpr int bitrateAt(int position, int fallback) {
    return position < 0 || position >= static_cast<int>(kBitrates.size()) ? fallback
                                                                          : kBitrates[static_cast<std::size_t>(position)];
}

// The position of a bitrate, or -1 when the table does not hold it.
constexpr int bitratePosition(int kbps) {
    for (std::size_t i = 0; i < kBitrates.size(); ++i)
        if (kBitrates[i] == kbps) return static_cast<int>(i);
    return -1;
}

// The rate at a list index; `fallback` for an index outside the list.
constexpr int frequencyAt(int index, int fallback) {
    return index < 0 || index >= static_cast<int>(kSamplingFrequencies.size())
               ? fallback
               : kSamplingFrequencies[static_cast<std::size_t>(index)].hz;
}

}  // namespace settings_tables
