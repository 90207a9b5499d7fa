#pragma once
// The extractor's About box: the tool's name and version in the extractor's skin. Shown
// modeless by the extractor window from its skin's "about" button; OK closes and unloads it.

#include <QDialog>

#include <memory>

class AEfrmmain;
class QPushButton;
class SkinControl;
class SkinLabel;

class AEfrmabout : public QDialog {
    Q_OBJECT
public:
    explicit AEfrmabout(AEfrmmain& owner);
    ~AEfrmabout() override;

    std::unique_ptr<SkinControl> Skin;
    SkinLabel* lblTitle;
    SkinLabel* lblVersion;
    QPushButton* cmdOK;

    void cmdOK_Click();

private:
    void Form_Load(AEfrmmain& owner);
};
