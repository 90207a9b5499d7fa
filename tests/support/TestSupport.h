#pragma once
// Helpers shared by all test executables: answering message boxes and file dialogs,
// a private settings folder per test, and waiting for a condition with an upper bound.

#include "components/ComponentError.h"
#include "shell/WindowServices.h"
#include "support/ConfigHome.h"
#include "support/CoreSupport.h"

#include <QTemporaryDir>

#include <deque>
#include <functional>

namespace testing_support {

// Answers every message box while alive and records what was asked. Queued answers are
// used first; after that each box gets its default button's answer.
class MsgBoxRecorder {
public:
    MsgBoxRecorder();
    ~MsgBoxRecorder();
    MsgBoxRecorder(const MsgBoxRecorder&) = delete;
    MsgBoxRecorder& operator=(const MsgBoxRecorder&) = delete;

    void queue(ui::MsgResult answer) { m_answers.push_back(answer); }
    const QList<ui::MsgBoxRequest>& boxes() const { return m_boxes; }
    QStringList texts() const;
    void clear() { m_boxes.clear(); }
    // Runs while a box is up (before its answer is returned), e.g. to inspect the windows.
    std::function<void(const ui::MsgBoxRequest&)> onBox;

private:
    QList<ui::MsgBoxRequest> m_boxes;
    std::deque<ui::MsgResult> m_answers;
    ui::MsgBoxResponder m_previous;
};

// Answers file and folder dialogs while alive with queued results (cancel when none left).
class FileDialogRecorder {
public:
    FileDialogRecorder();
    ~FileDialogRecorder();
    FileDialogRecorder(const FileDialogRecorder&) = delete;
    FileDialogRecorder& operator=(const FileDialogRecorder&) = delete;

    void queue(ui::FileDialogResult result) { m_results.push_back(std::move(result)); }
    void queueLocal(const QStringList& paths, int filterIndex = 1);
    void queueCancel() { m_results.push_back({}); }
    const QList<ui::FileDialogRequest>& requests() const { return m_requests; }

private:
    QList<ui::FileDialogRequest> m_requests;
    std::deque<ui::FileDialogResult> m_results;
    ui::FileDialogResponder m_previous;
};

// Records the files the program asks the desktop to open, while alive.
class OpenFileRecorder {
public:
    OpenFileRecorder();
    ~OpenFileRecorder();
    OpenFileRecorder(const OpenFileRecorder&) = delete;
    OpenFileRecorder& operator=(const OpenFileRecorder&) = delete;
    QStringList opened;

private:
    ui::OpenFileResponder m_previous;
};


}  // namespace testing_support
