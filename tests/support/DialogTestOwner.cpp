#include "support/DialogTestOwner.h"
#include "support/Signals.h"

#include "components/ui/SkinForm.h"
#include "components/store/CRegister.h"
#include "shell/WindowServices.h"

#include <QApplication>
#include <QTimer>

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

DialogTestOwner& testOwner(EncoderDialogOwner& owner) { return dynamic_cast<DialogTestOwner&>(owner); }

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

void writeThroughOwner(AudioFile& writer, const QString& path, double seconds) {
    writer.DeclareInputFormat(44100, 2);
    writer.Create(path);
    ASSERT_GE(writer.status(), 0) << writer.reason().toStdString();
    writer.WriteBlock(musicTone(44100, 2, seconds));
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
