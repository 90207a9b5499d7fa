#pragma once
// The launcher: the program's start-up window and its only way to end the whole program.
// Its face is a movie whose buttons send commands; the launcher turns each command into one
// of five actions (close, minimise, drag, open the converter, open the extractor).

#include "components/ui/Movie.h"
#include "components/ui/Skin.h"
#include "components/ui/Splash.h"

#include <QWidget>

#include <memory>

class QPushButton;

class frmmainpro : public QWidget {
    Q_OBJECT
public:
    explicit frmmainpro(QWidget* parent = nullptr);
    ~frmmainpro() override;

    // The start-up sequence. Throws ComponentError when the splash, skin or movie file cannot
    // be loaded; the caller reports it and ends the program.
    void Form_Load();

    std::unique_ptr<SplashControl> Splash1;
    std::unique_ptr<SkinControl> Skin1;
    QPushButton* cmdExit;
    QPushButton* cmdaudioconverter;
    QPushButton* cmdaudioextractor;
    MoviePlayer* flash;

    void cmdExit_Click();
    void cmdaudioconverter_Click();
    void cmdaudioextractor_Click();
    // Opens the converter with these files added to its list, as when the desktop opens
    // files with the program. Relative names are taken from the current folder, file: URLs
    // as their local paths.
    void openFiles(const QStringList& files);
    // The movie's command event. The argument is not used.
    void flash_FSCommand(const QString& command, const QString& args);

protected:
    void resizeEvent(QResizeEvent* event) override;
};
