#include "support/RipDialogOwner.h"

#include "components/ui/SkinForm.h"
#include "shell/WindowServices.h"

namespace testing_support {

RipDialogOwner::RipDialogOwner(const QString& stubs, QString cache)
    : grabber(nullptr, stubs, false), m_cache(std::move(cache)), m_skin(makeSkinControl()) {
    m_skin->LoadSkin(ui::programFile(QStringLiteral("\\Main2.skn")));
}

void RipDialogOwner::SkinForm(QWidget* form) { skinControlsByKind(*m_skin, form, QStringLiteral("DefaultButt")); }

}  // namespace testing_support
