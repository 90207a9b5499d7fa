#pragma once
// The converter window as the ripping options see it, with a real CD grabber whose current
// drive is a disc image that stands in for a drive of a given name (for the read offset's
// Detect button).

#include "components/audio/cd/CdGrabber.h"
#include "components/ui/Skin.h"
#include "ripping/ACfrmGrab.h"

#include <QString>
#include <QWidget>

#include <memory>

namespace testing_support {

class RipDialogOwner final : public GrabDialogOwner {
public:
    // `stubs` and `cache`: folders for the grabber's track entries and AccurateRip records.
    RipDialogOwner(const QString& stubs, QString cache);
    QWidget* ownerWindow() override { return &window; }
    SkinControl& skin() override { return *m_skin; }
    void SkinForm(QWidget* form) override;
    GrabSettings grabberSettings() const override { return grabber.settings(); }
    void setGrabberSettings(const GrabSettings& s) override { grabber.setSettings(s); }
    void reReadDrive() override { grabber.ReRead(); }
    DiscToc currentToc() const override { return grabber.toc(); }
    void discInfoFound(const DiscInfo&) override {}
    CdGrabber* cdGrabber() const override { return &grabber; }
    QString currentDriveName() const override { return driveName; }
    QString accurateRipCache() const override { return m_cache; }

    QWidget window;
    mutable CdGrabber grabber;
    QString driveName;  // what the image stands in for

private:
    QString m_cache;
    std::unique_ptr<SkinControl> m_skin;
};

}  // namespace testing_support
