#pragma once
// WMA file object (`WMAFileR`, `WMAFileW`, `WMAoutFile`, `WMAFile1`): reads WMA (and anything
// else FFmpeg reads) and writes WMA with FFmpeg's wmav2 encoder in an ASF file, in one of a
// numbered table of profiles.
//
// Contract: one thread at a time: the user-interface thread for the windows' objects, a worker
// for those of the conversion on every core (see the note on threads in AudioJob.h). A failed
// open or create sets status() below 0 and
// reason() to the reason; other failures throw ComponentError. Profiles are numbered
// 0 .. ProfileCount() - 1; the current profile is used by the next Create. The end of the
// written audio is padded with silence so that the encoder's dropped last partial frame loses
// nothing.

#include "components/ComponentError.h"
#include "components/audio/engine/SampleBlock.h"
#include "components/audio/codecs/Encoder.h"

#include <QString>

#include <cstdint>
#include <memory>
#include <vector>

class Decoder;
class Resampler;

class WMAFile {
public:
    WMAFile();
    ~WMAFile();
    WMAFile(const WMAFile&) = delete;
    WMAFile& operator=(const WMAFile&) = delete;

    static const std::vector<WmaProfile>& profiles();

    void OpenRead(const QString& path);
    // The most channels the files opened from now on are read with (Decoder::setChannelLimit; 2
    // unless set).
    void setChannelLimit(int channels) { m_channelLimit = channels; }
    void Close();
    void Create(const QString& path);
    void WriteBlock(const SampleBlock& block);
    SampleBlock ReadBlock(int sampleCount);
    void DeclareInputFormat(int sampleRate, int channels);

    int channels() const;
    int sampleRate() const;
    // Sample frames of the open file; with no file open, one second of the current profile
    // when WMA can be encoded here (0 otherwise).
    std::int64_t length() const;
    // The current profile's sample rate, channels and bits per sample (16).
    int formatFigure1() const;
    int formatFigure2() const;
    int formatFigure3() const;
    QString formatDescription() const;
    // Greater than 0 while a file is open for reading or writing.
    std::int16_t state() const;
    int status() const { return m_state.failed() ? -1 : 0; }
    // Why the last open or create failed (status below 0).
    QString reason() const { return m_state.reason(); }
    // Why reading stopped before the end of the open file (damaged data); empty otherwise.
    QString readError() const;
    // Why the audio read so far is not whole (damaged or cut short); empty otherwise.
    QString readDamage() const;
    bool WMASupported() const;

    int WMProfile() const { return m_profile; }
    void setWMProfile(int number);  // throws for a number outside the table
    void SetFormatWMA(int number) { setWMProfile(number); }
    int ProfileCount() const;

private:
    std::unique_ptr<Decoder> m_reader;
    std::unique_ptr<Encoder> m_writer;
    std::unique_ptr<Resampler> m_resampler;
    PcmFormat m_declared{0, 0};  // 0: same as the profile's
    PcmFormat m_incoming{0, 0};  // what the open writer takes
    std::int64_t m_framesWritten = 0;  // in the profile's format
    int m_profile = 2;
    int m_channelLimit = 2;
    ComponentState m_state;  // how the last open or create went
};
