#pragma once
// Window services shared by every window of the program: message boxes, file and folder
// dialogs, the hourglass pointer, message-loop passes, twips, the application title and
// the program directory.
//
// Contract: everything here runs on the user-interface thread only. Message boxes and file
// dialogs go through a replaceable responder, so that tests can answer them and read their
// texts; with no responder installed the real Qt dialog is shown modally. Nothing here
// throws.

#include <QString>
#include <QStringList>
#include <QUrl>

#include <functional>
#include <optional>

class QWidget;

namespace ui {

// ---- Message boxes ---------------------------------------------------------------------

enum class MsgButtons { OK, OKCancel, AbortRetryIgnore, YesNoCancel, YesNo, RetryCancel };
enum class MsgIcon { None, Critical, Question, Exclamation, Information };
// Which of the box's buttons (first, second, third) is the default one.
enum class MsgDefault { Button1, Button2, Button3 };
// The answer of a box; the numbers are the classic message-box results.
enum class MsgResult { OK = 1, Cancel = 2, Abort = 3, Retry = 4, Ignore = 5, Yes = 6, No = 7 };

struct MsgBoxRequest {
    QString text;
    MsgButtons buttons = MsgButtons::OK;
    MsgIcon icon = MsgIcon::None;
    MsgDefault defaultButton = MsgDefault::Button1;
    QString caption;  // the caption actually shown (the application title when none was given)
};

// The answers a box with these buttons can give, first button first.
QList<MsgResult> msgBoxAnswers(MsgButtons buttons);
// The answer of the box's default button.
MsgResult msgBoxDefaultAnswer(const MsgBoxRequest& request);

// Shows a message box owned by the active window and returns the button pressed.
// Closing the box without a button (Escape, close box) answers Cancel where the box has it,
// otherwise the last button's answer (No for Yes/No, OK for OK).
MsgResult MsgBox(const QString& text, MsgButtons buttons = MsgButtons::OK, MsgIcon icon = MsgIcon::None,
                 MsgDefault defaultButton = MsgDefault::Button1, const QString& caption = {});

using MsgBoxResponder = std::function<MsgResult(const MsgBoxRequest&)>;
// Installs a responder that answers every box instead of the user; an empty one restores
// the real box. Returns the previous responder.
MsgBoxResponder setMsgBoxResponder(MsgBoxResponder responder);

// ---- File and folder dialogs -----------------------------------------------------------

struct FileDialogRequest {
    enum class Kind { OpenFiles, SaveFile, Folder };
    Kind kind = Kind::OpenFiles;
    QWidget* owner = nullptr;
    QString title;
    QString directory;   // first folder shown
    QString fileName;    // proposed name (save dialog)
    QString filter;      // "Desc|*.a;*.b|Desc2|*.c" as the windows give it
    int filterIndex = 1; // 1-based filter shown first
    bool multiSelect = false;
    QList<QUrl> sidebar;  // folders added to the dialog's side bar
};

struct FileDialogResult {
    bool accepted = false;
    QList<QUrl> urls;     // the chosen files or folder; local files are file: URLs
    int filterIndex = 1;  // 1-based filter the user had chosen
};

// Turns "Desc|*.a;*.b|Desc2|*.c" into Qt's "Desc (*.a *.b);;Desc2 (*.c)". Patterns a
// description already shows ("Wav files (*.wav)") are replaced by the entry's own, so each
// shows once; "*.*" becomes "*", every file.
QString qtFilterFromWindows(const QString& filter);

FileDialogResult FileDialog(const FileDialogRequest& request);

using FileDialogResponder = std::function<FileDialogResult(const FileDialogRequest&)>;
FileDialogResponder setFileDialogResponder(FileDialogResponder responder);

// ---- Pointer, message loop, ending -----------------------------------------------------

// The screen's mouse pointer as a state, not a stack: setting the hourglass twice and the
// default once leaves the default pointer.
enum class Pointer { Default, Hourglass };
void setScreenPointer(Pointer pointer);
Pointer screenPointer();

// Lets pending events run once. Returns false when the program is ending, so that long
// loops close their files and stop.
bool DoEvents();
// Runs the event loop until WakeEventWait() is called or `ms` have passed, so that the window
// (and whatever talks to it over the session bus) is served at once while a run waits for its
// workers. Returns false when the program is ending. User-interface thread only.
bool WaitForEvents(int ms);
// Ends the current WaitForEvents early. Any thread.
void WakeEventWait();

// Ends the program at once: every event loop returns and no window's close handling runs.
void EndProgram(int exitCode = 0);
bool programEnding();
// Clears the ending flag; the program's main routine calls it before its event loop.
void resetProgramEnding();

// ---- Units, title, program directory ---------------------------------------------------

// Twips are 1/1440 inch: 15 to a pixel at 96 dpi, scaled for the screen's logical dpi.
// Results are rounded to the nearest pixel, a half to the even neighbour.
int twipsToPixelsX(double twips);
int twipsToPixelsY(double twips);
double pixelsToTwipsX(int pixels);
double pixelsToTwipsY(int pixels);

// The caption of message boxes without their own: "Velloria" until the converter sets
// "Audio Conv.". An empty title restores the default.
QString appTitle();
void setAppTitle(const QString& title);

// The folder that holds the program's own files, without a trailing separator: beside the
// executable in the build tree, <prefix>/share/velloria once installed.
QString programDir();
// Tests point the program at another folder; an empty text restores the default.
void setProgramDir(const QString& dir);
// programDir() + a fixed name written as "\Name.ext"; the backslash becomes "/".
QString programFile(const QString& fixedName);

// Opens a file with the desktop's default application. False when nothing could open it.
bool openWithDefaultApplication(const QString& path);
using OpenFileResponder = std::function<bool(const QString& path)>;
// Tests see the files the program would open instead of starting applications.
OpenFileResponder setOpenFileResponder(OpenFileResponder responder);

}  // namespace ui
