#pragma once
// A text a run shows, in the user's language, together with its English original. The rip log
// is an archive that tools read: a CD track's failure goes into it in English, while the user
// reads it translated.

#include <QCoreApplication>
#include <QString>

namespace converter {

struct RunText {
    QString shown;
    QString english;
    bool isEmpty() const { return shown.isEmpty(); }
};

// `source` (a literal marked with QT_TRANSLATE_NOOP in `context`) with its placeholders filled
// by `args`, as QString::arg fills them.
template <typename... Args>
RunText runText(const char* context, const char* source, const Args&... args) {
    const QString shown = QCoreApplication::translate(context, source);
    const QString english = QString::fromUtf8(source);
    if constexpr (sizeof...(Args) == 0)
        return {shown, english};
    else
        return {shown.arg(args...), english.arg(args...)};
}

// The same with a text of the run filling its one placeholder, shown into shown, English into English.
inline RunText runText(const char* context, const char* source, const RunText& arg) {
    return {QCoreApplication::translate(context, source).arg(arg.shown), QString::fromUtf8(source).arg(arg.english)};
}

// A text that comes from elsewhere (a component's reason): shown and logged as it is.
inline RunText asIs(const QString& text) { return {text, text}; }

}  // namespace converter
