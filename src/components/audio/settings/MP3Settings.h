#pragma once
// MP3 encoder settings object (the MP3 dialogs' `MP3Lame`): every LAME setting the program
// offers, kept in the object and applied to LAME when a writer creates an MP3 file.
//
// Value sets:
//   channel mode   0 Mono, 1 Stereo, 2 Joint Stereo, 3 Forced Joint Stereo, 4 Dual Channels
//   coding method  -1 none (CBR), 0 default VBR, 1 old VBR (rh), 2 new VBR (mt), 3 MTRH, 4 ABR
//   ATH control    0 default, 1 only ATH, 2 no ATH, 3 ATH for short blocks only
//   de-emphasis    0 none, 1 50/15 microseconds, 2 CCITT J.17
//   filters        frequency -1: no filter of the user's (LAME applies its own default);
//                  width 0: LAME's default width
//   preset         1..11 "Phone" … "R3Mix": writing one selects a whole configuration
//                  (rate, channels, mode, bitrate or VBR quality, filters); it is not readable
//                  back as a number (the object holds the configuration, not the name), but
//                  presetName() tells the last one chosen until a property is changed.
// A fresh object holds LAME's own defaults (44100 Hz, stereo joint, 128 kbit/s CBR, quality
// 3, VBR quality 4, ABR 128 kbit/s, VBR header and bit reservoir on, short blocks on).
// Filter frequency 0 is stored as -1. One channel, or the mono mode with two (downmixed),
// writes a mono file. Whether a bitrate fits the sample rate is checked by the encoder.
//
// Contract: a plain value object, copyable, any thread. A setter given a value LAME cannot
// take (a bitrate that is not an MPEG bitrate, a rate LAME cannot write, an index outside its
// set) throws ComponentError and leaves the object unchanged, so an invalid value never
// reaches LAME.

#include "components/ComponentError.h"

#include <QString>
#include <QStringList>

class MP3Settings {
public:
    MP3Settings();

    // The preset names as shown, index 1..11 at positions 0..10.
    static QStringList presetNames();
    // The MPEG bitrates LAME accepts (kbit/s), all layers and versions.
    static bool isMpegBitrate(int kbps);
    static bool isMpegSampleRate(int hz);

    void setPreset(int index);  // 1..11
    QString presetName() const { return m_presetName; }

    int maxVbrBitrate() const { return m_maxVbrBitrate; }
    void setMaxVbrBitrate(int kbps);
    int vbrQuality() const { return m_vbrQuality; }  // 0 (best) .. 9
    void setVbrQuality(int q);
    int codingMethod() const { return m_codingMethod; }  // -1 .. 4
    void setCodingMethod(int method);
    int abrBitrate() const { return m_abrBitrate; }  // 8 .. 320
    void setAbrBitrate(int kbps);
    int channelMode() const { return m_channelMode; }  // 0 .. 4
    void setChannelMode(int mode);
    int encoderQuality() const { return m_encoderQuality; }  // 0 (best) .. 9
    void setEncoderQuality(int q);
    bool writeVbrHeader() const { return m_writeVbrHeader; }
    void setWriteVbrHeader(bool on);
    bool bitReservoir() const { return m_bitReservoir; }
    void setBitReservoir(bool on);
    bool blockTypesMayDiffer() const { return m_blockTypesMayDiffer; }
    void setBlockTypesMayDiffer(bool on);
    bool shortBlocks() const { return m_shortBlocks; }
    void setShortBlocks(bool on);
    int deEmphasis() const { return m_deEmphasis; }  // 0 .. 2
    void setDeEmphasis(int index);
    bool strictIso() const { return m_strictIso; }
    void setStrictIso(bool on);
    bool enforceMinBitrate() const { return m_enforceMinBitrate; }
    void setEnforceMinBitrate(bool on);
    int athControl() const { return m_athControl; }  // 0 .. 3
    void setAthControl(int index);
    int lowpassFrequency() const { return m_lowpassFrequency; }  // -1 or 1 .. 48000
    void setLowpassFrequency(int hz);
    int highpassFrequency() const { return m_highpassFrequency; }
    void setHighpassFrequency(int hz);
    int lowpassWidth() const { return m_lowpassWidth; }  // 0 .. 48000
    void setLowpassWidth(int hz);
    int highpassWidth() const { return m_highpassWidth; }
    void setHighpassWidth(int hz);
    bool crc() const { return m_crc; }
    void setCrc(bool on);
    int sampleRate() const { return m_sampleRate; }  // an MPEG rate, 8000 .. 48000
    void setSampleRate(int hz);
    int channels() const { return m_channels; }  // 1 or 2
    void setChannels(int count);
    int bitrate() const { return m_bitrate; }  // CBR bitrate, kbit/s
    void setBitrate(int kbps);

    // What a file written with these settings is, e.g.
    // "44100 Hz, Joint Stereo, 128 kbit/s CBR" or "22050 Hz, Mono, VBR quality 2 (max 160 kbit/s)".
    QString description() const;

    bool operator==(const MP3Settings&) const = default;

private:
    void changed() { m_presetName.clear(); }

    QString m_presetName;
    int m_maxVbrBitrate = 320;
    int m_vbrQuality = 4;
    int m_codingMethod = -1;
    int m_abrBitrate = 128;
    int m_channelMode = 2;
    int m_encoderQuality = 3;
    bool m_writeVbrHeader = true;
    bool m_bitReservoir = true;
    bool m_blockTypesMayDiffer = false;
    bool m_shortBlocks = true;
    int m_deEmphasis = 0;
    bool m_strictIso = false;
    bool m_enforceMinBitrate = false;
    int m_athControl = 0;
    int m_lowpassFrequency = -1;
    int m_highpassFrequency = -1;
    int m_lowpassWidth = 0;
    int m_highpassWidth = 0;
    bool m_crc = false;
    int m_sampleRate = 44100;
    int m_channels = 2;
    int m_bitrate = 128;
};
