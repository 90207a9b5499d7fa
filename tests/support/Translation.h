#pragma once
// A stand-in for a translation catalogue: while installed it brackets every text of the given
// translation contexts, or of every context when none is given ("Stereo" becomes "[Stereo]"), so a
// test sees which shown texts went through Qt's translation and which were kept, or cached,
// untranslated.

#include <QStringList>
#include <QTranslator>

namespace testing_support {

class BracketingTranslator : public QTranslator {
public:
    explicit BracketingTranslator(const QStringList& contexts = {});
    ~BracketingTranslator() override;

    bool isEmpty() const override { return false; }
    QString translate(const char* context, const char* sourceText, const char* disambiguation = nullptr,
                      int n = -1) const override;

private:
    QStringList m_contexts;
};

}  // namespace testing_support
