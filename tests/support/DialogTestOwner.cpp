#include "support/DialogTestOwner.h"

#include "components/ui/SkinForm.h"
#include "shell/CRegister.h"
#include "shell/WindowServices.h"

#include <QApplication>
#include <QTimer>

#include <cmath>
#include <numbers>

namespace testing_support {

DialogTestOwner::DialogTestOwner(DialogTool tool) : m_tool(tool), m_skin(makeSkinControl()) {
    m_skin->LoadSkin(ui::programFile(isConverter() ? QStringLiteral("\\Main2.skn") : QStringLiteral("\\AE.skn")));
    if (isConverter()) {
        wmaW = std::make_unique<WMAFile>();
        wmaR = std::make_unique<WMAFile>();
    }
}

void DialogTestOwner::SkinForm(QWidget* form) {
    ++skinFormCalls;
    skinControlsByKind(*m_skin, form, isConverter() ? QStringLiteral("DefaultButt") : QStringLiteral("button"));
}

QString DialogTestOwner::registryKey() const {
    return isConverter() ? QStringLiteral("\\Software\\Brindlewood\\Audioconverter")
                         : QStringLiteral("\\Software\\Brindlewood\\Audioextractor");
}

QString DialogTestOwner::dialogSkinSection() const {
    return isConverter() ? QStringLiteral("Small Form") : QStringLiteral("mainform");
}

std::unique_ptr<EncoderDialogOwner> makeDialogTestOwner(DialogTool tool) {
    return std::make_unique<DialogTestOwner>(tool);
}

void whenModalShown(const std::function<void(QWidget*)>& drive, int triesLeft) {
    QTimer::singleShot(0, [drive, triesLeft] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            drive(modal);
        } else if (triesLeft > 0) {
            whenModalShown(drive, triesLeft - 1);
        } else {
            ADD_FAILURE() << "no modal window came up";
        }
    });
}

SampleBlock testSignal(int rate, int channels, double seconds) {
    const auto frames = static_cast<std::size_t>(rate * seconds);
    SampleBlock block(frames * static_cast<std::size_t>(channels));
    std::uint32_t noise = 12345;
    for (std::size_t i = 0; i < frames; ++i) {
        const double t = static_cast<double>(i) / rate;
        for (int c = 0; c < channels; ++c) {
            noise = noise * 1664525u + 1013904223u;
            const double n = static_cast<double>(noise >> 16) / 65536.0 - 0.5;
            const double v = 0.3 * std::sin(2 * std::numbers::pi * (440.0 + 110.0 * c) * t) +
                             0.15 * std::sin(2 * std::numbers::pi * 3150.0 * t) + 0.1 * n;
            block[i * static_cast<std::size_t>(channels) + static_cast<std::size_t>(c)] =
                static_cast<std::int16_t>(std::lround(v * 32767.0));
        }
    }
    return block;
}

void writeThroughOwner(AudioFile& writer, const QString& path, double seconds) {
    writer.DeclareInputFormat(44100, 2);
    writer.Create(path);
    ASSERT_GE(writer.status(), 0) << writer.lastError().toStdString();
    writer.WriteBlock(testSignal(44100, 2, seconds));
    writer.Close();
}

QString storedValue(const EncoderDialogOwner& owner, const QString& name) {
    return CRegister().REGGetSetting(CRegister::HKEY_LOCAL_MACHINE, owner.registryKey(), name, QStringLiteral("<none>"));
}

void storeValue(const EncoderDialogOwner& owner, const QString& name, const QString& value) {
    CRegister().REGSaveSetting(CRegister::HKEY_LOCAL_MACHINE, owner.registryKey(), name, value);
}

void runDeferredDeletes() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }

std::string variantName(const ::testing::TestParamInfo<DialogTool>& param) {
    return param.param == DialogTool::Converter ? "Converter" : "Extractor";
}

}  // namespace testing_support
