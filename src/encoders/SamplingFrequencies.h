#pragma once
// The sampling frequencies the MP3 and Ogg Vorbis dialogs offer, in list order. The texts are
// shown exactly so, spaces included; stored settings hold the index.

#include <array>

struct SamplingFrequency {
    const char* text;
    int hz;
};

inline constexpr std::array<SamplingFrequency, 9> kSamplingFrequencies{{{"  8 000 Hz", 8000},
                                                                        {"11 025 Hz", 11025},
                                                                        {"12 000 Hz ", 12000},
                                                                        {"16 000 Hz", 16000},
                                                                        {"22 050 Hz", 22050},
                                                                        {"24 000 Hz", 24000},
                                                                        {"32 000 Hz", 32000},
                                                                        {"44 100 Hz", 44100},
                                                                        {"48 000 Hz", 48000}}};
