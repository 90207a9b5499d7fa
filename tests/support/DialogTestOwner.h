#pragma once
// A converter or extractor window as far as the encoder settings dialogs see it: the output
// settings they edit, the tool's real skin, a plain window as parent, the tool's registry key;
// and real writers, which written() sets up as a run would.

#include "components/audio/codecs/AudioFile.h"
#include "components/ui/Skin.h"
#include "components/audio/codecs/WMAFile.h"
#include "encoders/EncoderDialogOwner.h"

#include <QWidget>

#include <functional>
#include <memory>
#include <string>

#include <gtest/gtest.h>

namespace testing_support {

class DialogTestOwner final : public EncoderDialogOwner {
public:
    explicit DialogTestOwner(DialogTool tool);
    bool isConverter() const { return m_tool == DialogTool::Converter; }

    DialogTool tool() const override { return m_tool; }
    QWidget* ownerWindow() override { return &window; }
    OutputSettings& outputSettings() override { return settings; }
    // The writer with the output settings a run would give it now.
    AudioFile& written() {
        writer.useSettings(settings);
        return writer;
    }
    // The converter's WMA writer and reader; none in the extractor.
    WMAFile* wmaWriter() { return wmaW.get(); }
    WMAFile* wmaReader() { return wmaR.get(); }
    SkinControl& skin() override { return *m_skin; }
    void SkinForm(QWidget* form) override;
    QString registryKey() const override;
    QString dialogSkinSection() const override;

    QWidget window;  // destroyed last: the dialogs it parents go after the writers
    OutputSettings settings;
    AudioFile writer;
    std::unique_ptr<WMAFile> wmaW;
    std::unique_ptr<WMAFile> wmaR;
    int skinFormCalls = 0;

private:
    DialogTool m_tool;
    std::unique_ptr<SkinControl> m_skin;
};

std::unique_ptr<EncoderDialogOwner> makeDialogTestOwner(DialogTool tool);
// The test owner behind an owner made by makeDialogTestOwner.
DialogTestOwner& testOwner(EncoderDialogOwner& owner);

// Runs `drive` on the modal window once one is up (from a zero timer, so that the caller can
// go on to open it).
void whenModalShown(const std::function<void(QWidget*)>& drive, int triesLeft = 200);

// Writes `seconds` of a music-like 44100 Hz stereo signal through the writer into `path`.
void writeThroughOwner(AudioFile& writer, const QString& path, double seconds);

QString storedValue(const EncoderDialogOwner& owner, const QString& name);
void storeValue(const EncoderDialogOwner& owner, const QString& name, const QString& value);
void runDeferredDeletes();
std::string variantName(const ::testing::TestParamInfo<DialogTool>& param);

}  // namespace testing_support
