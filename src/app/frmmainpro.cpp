#include "app/frmmainpro.h"

#include "converter/frmAudioConverter.h"
#include "app/ToolWindows.h"
#include "shell/WindowServices.h"

#include <QFileInfo>
#include <QPushButton>
#include <QUrl>
#include <QWindow>

#include <algorithm>

frmmainpro::frmmainpro(QWidget* parent)
    : QWidget(parent), Splash1(makeSplashControl()), Skin1(makeSkinControl()) {
    setObjectName(QStringLiteral("frmmainpro"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Corvane"));

    // Stacked in this order: the movie, created last, lies on top of the buttons.
    cmdExit = new QPushButton(tr("Exit"), this);
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    cmdaudioconverter = new QPushButton(tr("Audio Converter"), this);
    cmdaudioconverter->setObjectName(QStringLiteral("cmdaudioconverter"));
    cmdaudioextractor = new QPushButton(tr("Audio Extractor"), this);
    cmdaudioextractor->setObjectName(QStringLiteral("cmdaudioextractor"));
    // In a row, each as wide as its text in the user's language needs.
    int x = 8;
    for (QPushButton* button : {cmdExit, cmdaudioconverter, cmdaudioextractor}) {
        const int width = std::max(120, button->sizeHint().width());
        button->setGeometry(x, 8, width, 28);
        x += width + 8;
    }
    flash = makeMoviePlayer(this);
    flash->setVisible(false);

    connect(cmdExit, &QPushButton::clicked, this, &frmmainpro::cmdExit_Click);
    connect(cmdaudioconverter, &QPushButton::clicked, this, &frmmainpro::cmdaudioconverter_Click);
    connect(cmdaudioextractor, &QPushButton::clicked, this, &frmmainpro::cmdaudioextractor_Click);
    connect(flash, &MoviePlayer::FSCommand, this, &frmmainpro::flash_FSCommand);
}

frmmainpro::~frmmainpro() = default;

void frmmainpro::Form_Load() {
    Splash1->LoadSplash(ui::programFile(QStringLiteral("\\Mediq.spl")));
    Splash1->Display(0);
    Skin1->LoadSkin(ui::programFile(QStringLiteral("\\Mask.skn")));
    flash->setGeometry(0, 0, ui::twipsToPixelsX(451), ui::twipsToPixelsY(150));
    resize(ui::twipsToPixelsX(451), ui::twipsToPixelsY(150));
    flash->LoadMovie(0, ui::programFile(QStringLiteral("\\Quab_Skin.swf")));
    Skin1->ApplySkin(this);
    flash->setVisible(true);
    flash->setGeometry(rect());
}

void frmmainpro::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    // The movie is the launcher's face: it covers the window at whatever size the skin gives.
    flash->setGeometry(rect());
}

void frmmainpro::cmdExit_Click() {
    hide();
    deleteLater();
    ui::EndProgram(0);
}

namespace {
// A tool window that cannot load is a fatal error of the program: report it and end.
template <typename F>
void openTool(F&& open) {
    try {
        open();
    } catch (const std::exception& e) {
        const auto* component = dynamic_cast<const ComponentError*>(&e);
        ui::MsgBox(component ? component->description() : QString::fromLocal8Bit(e.what()), ui::MsgButtons::OK,
                   ui::MsgIcon::Critical);
        ui::EndProgram(1);
    }
}
}  // namespace

void frmmainpro::cmdaudioconverter_Click() { openTool(tools::showAudioConverter); }
void frmmainpro::cmdaudioextractor_Click() { openTool(tools::showAudioExtractor); }

void frmmainpro::openFiles(const QStringList& files) {
    QStringList paths;
    for (const QString& file : files) {
        const QUrl url(file);
        const QString local = url.isLocalFile() ? url.toLocalFile() : file;
        if (!local.isEmpty()) paths << QFileInfo(local).absoluteFilePath();
    }
    if (paths.isEmpty()) return;
    cmdaudioconverter_Click();
    if (frmAudioConverter* converter = tools::audioConverter()) converter->addPaths(paths);
}

void frmmainpro::flash_FSCommand(const QString& command, const QString& /*args*/) {
    if (command == QStringLiteral("IDC_FS_Close")) {
        ui::EndProgram(0);
    } else if (command == QStringLiteral("IDC_FS_Minimize")) {
        showMinimized();
    } else if (command == QStringLiteral("IDC_FS_DragArea")) {
        if (QWindow* handle = windowHandle()) handle->startSystemMove();
    } else if (command == QStringLiteral("IDC_FS_AudioConverter")) {
        cmdaudioconverter_Click();
    } else if (command == QStringLiteral("IDC_FS_AudioExtractor")) {
        cmdaudioextractor_Click();
    }
}
