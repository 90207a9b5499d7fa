#include "shell/WindowServices.h"

#include <QApplication>
#include <QCoreApplication>
#include <QDesktopServices>
#include <QDir>
#include <QEventLoop>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <atomic>
#include <cmath>
#include <utility>

namespace ui {
namespace {

MsgBoxResponder& msgBoxResponder() {
    static MsgBoxResponder responder;
    return responder;
}

FileDialogResponder& fileDialogResponder() {
    static FileDialogResponder responder;
    return responder;
}

// Empty until a window sets its own title.
QString& titleStore() {
    static QString title;
    return title;
}

QString& programDirOverride() {
    static QString dir;
    return dir;
}

bool g_ending = false;
Pointer g_pointer = Pointer::Default;

QMessageBox::StandardButton toStandard(MsgResult r) {
    switch (r) {
    case MsgResult::OK: return QMessageBox::Ok;
    case MsgResult::Cancel: return QMessageBox::Cancel;
    case MsgResult::Abort: return QMessageBox::Abort;
    case MsgResult::Retry: return QMessageBox::Retry;
    case MsgResult::Ignore: return QMessageBox::Ignore;
    case MsgResult::Yes: return QMessageBox::Yes;
    case MsgResult::No: return QMessageBox::No;
    }
    return QMessageBox::Ok;
}

MsgResult fromStandard(int b, const QList<MsgResult>& answers) {
    for (MsgResult r : answers)
        if (toStandard(r) == b) return r;
    return answers.contains(MsgResult::Cancel) ? MsgResult::Cancel : answers.last();
}

int roundHalfEven(double v) { return static_cast<int>(std::nearbyint(v)); }

double logicalDpiX() {
    if (const QScreen* s = QGuiApplication::primaryScreen()) return s->logicalDotsPerInchX();
    return 96.0;
}
double logicalDpiY() {
    if (const QScreen* s = QGuiApplication::primaryScreen()) return s->logicalDotsPerInchY();
    return 96.0;
}

}  // namespace

QList<MsgResult> msgBoxAnswers(MsgButtons buttons) {
    switch (buttons) {
    case MsgButtons::OK: return {MsgResult::OK};
    case MsgButtons::OKCancel: return {MsgResult::OK, MsgResult::Cancel};
    case MsgButtons::AbortRetryIgnore: return {MsgResult::Abort, MsgResult::Retry, MsgResult::Ignore};
    case MsgButtons::YesNoCancel: return {MsgResult::Yes, MsgResult::No, MsgResult::Cancel};
    case MsgButtons::YesNo: return {MsgResult::Yes, MsgResult::No};
    case MsgButtons::RetryCancel: return {MsgResult::Retry, MsgResult::Cancel};
    }
    return {MsgResult::OK};
}

MsgResult msgBoxDefaultAnswer(const MsgBoxRequest& request) {
    const QList<MsgResult> answers = msgBoxAnswers(request.buttons);
    const auto index = static_cast<qsizetype>(request.defaultButton);
    // A default beyond the box's buttons falls back to the first, as the classic box does.
    return index < answers.size() ? answers[index] : answers.first();
}

MsgResult MsgBox(const QString& text, MsgButtons buttons, MsgIcon icon, MsgDefault defaultButton,
                 const QString& caption) {
    MsgBoxRequest request{text, buttons, icon, defaultButton, caption.isEmpty() ? appTitle() : caption};
    if (msgBoxResponder()) return msgBoxResponder()(request);

    QMessageBox box(QApplication::activeWindow());
    box.setWindowTitle(request.caption);
    box.setText(text);
    switch (icon) {
    case MsgIcon::None: box.setIcon(QMessageBox::NoIcon); break;
    case MsgIcon::Critical: box.setIcon(QMessageBox::Critical); break;
    case MsgIcon::Question: box.setIcon(QMessageBox::Question); break;
    case MsgIcon::Exclamation: box.setIcon(QMessageBox::Warning); break;
    case MsgIcon::Information: box.setIcon(QMessageBox::Information); break;
    }
    const QList<MsgResult> answers = msgBoxAnswers(buttons);
    QMessageBox::StandardButtons standard;
    for (MsgResult r : answers) standard |= toStandard(r);
    box.setStandardButtons(standard);
    box.setDefaultButton(toStandard(msgBoxDefaultAnswer(request)));
    if (answers.contains(MsgResult::Cancel)) box.setEscapeButton(QMessageBox::Cancel);
    else box.setEscapeButton(toStandard(answers.last()));
    return fromStandard(box.exec(), answers);
}

MsgBoxResponder setMsgBoxResponder(MsgBoxResponder responder) {
    return std::exchange(msgBoxResponder(), std::move(responder));
}

QString qtFilterFromWindows(const QString& filter) {
    // A description may already name its patterns in parentheses ("Wav files (*.wav)"); Qt
    // reads the patterns from the last parentheses, space-separated, so that part is replaced
    // by the real patterns rather than repeated after it.
    static const QRegularExpression shownPatterns(QStringLiteral("\\s*\\([^()]*\\*[^()]*\\)\\s*$"));
    const QStringList parts = filter.split(QLatin1Char('|'));
    QStringList out;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns = parts[i + 1].split(QLatin1Char(';'), Qt::SkipEmptyParts);
        for (QString& p : patterns) {
            p = p.trimmed();
            // "*.*" means every file; here it would leave out names without a dot.
            if (p == QStringLiteral("*.*")) p = QStringLiteral("*");
        }
        QString description = parts[i];
        description.remove(shownPatterns);
        out << QStringLiteral("%1 (%2)").arg(description, patterns.join(QLatin1Char(' ')));
    }
    return out.join(QStringLiteral(";;"));
}

FileDialogResult FileDialog(const FileDialogRequest& request) {
    if (fileDialogResponder()) return fileDialogResponder()(request);

    QFileDialog dialog(request.owner, request.title, request.directory);
    const QString filters = qtFilterFromWindows(request.filter);
    const QStringList filterList = filters.split(QStringLiteral(";;"), Qt::SkipEmptyParts);
    switch (request.kind) {
    case FileDialogRequest::Kind::OpenFiles:
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(request.multiSelect ? QFileDialog::ExistingFiles : QFileDialog::ExistingFile);
        break;
    case FileDialogRequest::Kind::SaveFile:
        dialog.setAcceptMode(QFileDialog::AcceptSave);
        dialog.setFileMode(QFileDialog::AnyFile);
        // The windows ask their own question before replacing a file.
        dialog.setOption(QFileDialog::DontConfirmOverwrite);
        if (!request.fileName.isEmpty()) dialog.selectFile(request.fileName);
        break;
    case FileDialogRequest::Kind::Folder:
        dialog.setAcceptMode(QFileDialog::AcceptOpen);
        dialog.setFileMode(QFileDialog::Directory);
        dialog.setOption(QFileDialog::ShowDirsOnly);
        break;
    }
    if (!request.sidebar.isEmpty()) {
        // Qt's own dialog keeps a side bar of places; the desktop's may not.
        dialog.setOption(QFileDialog::DontUseNativeDialog);
        dialog.setSidebarUrls(dialog.sidebarUrls() + request.sidebar);
    }
    if (!filterList.isEmpty()) {
        dialog.setNameFilters(filterList);
        const qsizetype index = std::clamp<qsizetype>(request.filterIndex - 1, 0, filterList.size() - 1);
        dialog.selectNameFilter(filterList[index]);
    }
    FileDialogResult result;
    if (dialog.exec() != QDialog::Accepted) return result;
    result.accepted = true;
    result.urls = dialog.selectedUrls();
    result.filterIndex = static_cast<int>(filterList.indexOf(dialog.selectedNameFilter())) + 1;
    if (result.filterIndex < 1) result.filterIndex = 1;
    return result;
}

FileDialogResponder setFileDialogResponder(FileDialogResponder responder) {
    return std::exchange(fileDialogResponder(), std::move(responder));
}

void setScreenPointer(Pointer pointer) {
    if (pointer == g_pointer) return;
    g_pointer = pointer;
    if (pointer == Pointer::Hourglass) QGuiApplication::setOverrideCursor(Qt::WaitCursor);
    else QGuiApplication::restoreOverrideCursor();
}

Pointer screenPointer() { return g_pointer; }

bool DoEvents() {
    QCoreApplication::processEvents();
    return !g_ending;
}

namespace {
// The event loop of the WaitForEvents in progress; touched on the user-interface thread only.
QEventLoop* g_wait = nullptr;
// A wake came: set by any thread, taken by the next wait. A wake that arrives while no wait is in
// progress (the events it posts run in a pass of the run's own) must still end the next wait, or
// a worker that has just finished would stay idle for a whole wait.
std::atomic<bool> g_wakePending{false};
}  // namespace

bool WaitForEvents(int ms) {
    if (g_ending) return false;
    if (g_wakePending.exchange(false)) {
        QCoreApplication::processEvents();
        return !g_ending;
    }
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    QEventLoop* const outer = std::exchange(g_wait, &loop);
    loop.exec();
    g_wait = outer;
    return !g_ending;
}

void WakeEventWait() {
    g_wakePending.store(true);
    if (QCoreApplication* app = QCoreApplication::instance())
        QMetaObject::invokeMethod(app, [] { if (g_wait) g_wait->quit(); }, Qt::QueuedConnection);
}

void EndProgram(int exitCode) {
    g_ending = true;
    QCoreApplication::exit(exitCode);
}

bool programEnding() { return g_ending; }
void resetProgramEnding() { g_ending = false; }

int twipsToPixelsX(double twips) { return roundHalfEven(twips * logicalDpiX() / 1440.0); }
int twipsToPixelsY(double twips) { return roundHalfEven(twips * logicalDpiY() / 1440.0); }
double pixelsToTwipsX(int pixels) { return pixels * 1440.0 / logicalDpiX(); }
double pixelsToTwipsY(int pixels) { return pixels * 1440.0 / logicalDpiY(); }

QString appTitle() {
    //: The program's name, the caption of message boxes without their own.
    return titleStore().isEmpty() ? QCoreApplication::translate("WindowServices", "Velloria") : titleStore();
}
void setAppTitle(const QString& title) { titleStore() = title; }

QString programDir() {
    if (!programDirOverride().isEmpty()) return programDirOverride();
    const QString exeDir = QCoreApplication::applicationDirPath();
    if (QFileInfo::exists(exeDir + QStringLiteral("/Mask.skn"))) return exeDir;
    // Installed: <prefix>/bin/velloria with the files in <prefix>/share/velloria.
    const QString shared = QDir::cleanPath(exeDir + QStringLiteral("/../share/velloria"));
    if (QFileInfo::exists(shared)) return shared;
    return exeDir;
}

void setProgramDir(const QString& dir) { programDirOverride() = dir; }

QString programFile(const QString& fixedName) {
    QString name = fixedName;
    name.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return programDir() + name;
}

namespace {
OpenFileResponder& openFileResponder() {
    static OpenFileResponder responder;
    return responder;
}
}  // namespace

bool openWithDefaultApplication(const QString& path) {
    if (openFileResponder()) return openFileResponder()(path);
    return QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

OpenFileResponder setOpenFileResponder(OpenFileResponder responder) {
    return std::exchange(openFileResponder(), std::move(responder));
}

}  // namespace ui
