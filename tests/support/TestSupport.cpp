#include "support/TestSupport.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

#include <gtest/gtest.h>

namespace testing_support {

MsgBoxRecorder::MsgBoxRecorder() {
    m_previous = ui::setMsgBoxResponder([this](const ui::MsgBoxRequest& request) {
        m_boxes.push_back(request);
        if (onBox) onBox(request);
        if (!m_answers.empty()) {
            const ui::MsgResult answer = m_answers.front();
            m_answers.pop_front();
            return answer;
        }
        return ui::msgBoxDefaultAnswer(request);
    });
}

MsgBoxRecorder::~MsgBoxRecorder() { ui::setMsgBoxResponder(std::move(m_previous)); }

QStringList MsgBoxRecorder::texts() const {
    QStringList out;
    for (const auto& b : m_boxes) out << b.text;
    return out;
}

FileDialogRecorder::FileDialogRecorder() {
    m_previous = ui::setFileDialogResponder([this](const ui::FileDialogRequest& request) {
        m_requests.push_back(request);
        if (m_results.empty()) return ui::FileDialogResult{};
        ui::FileDialogResult r = m_results.front();
        m_results.pop_front();
        return r;
    });
}

FileDialogRecorder::~FileDialogRecorder() { ui::setFileDialogResponder(std::move(m_previous)); }

void FileDialogRecorder::queueLocal(const QStringList& paths, int filterIndex) {
    ui::FileDialogResult r;
    r.accepted = true;
    r.filterIndex = filterIndex;
    for (const QString& p : paths) r.urls << QUrl::fromLocalFile(p);
    m_results.push_back(r);
}

OpenFileRecorder::OpenFileRecorder() {
    m_previous = ui::setOpenFileResponder([this](const QString& path) {
        opened << path;
        return true;
    });
}

OpenFileRecorder::~OpenFileRecorder() { ui::setOpenFileResponder(std::move(m_previous)); }

}  // namespace testing_support
