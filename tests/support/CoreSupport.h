#pragma once
// Test helpers that need no window: waiting for a condition while events run, expecting a
// component's error, and where the program's own files are in the build tree.

#include <QString>
#include <QStringList>

#include <functional>

namespace testing_support {

// Lets events run until the condition holds or the limit passes; returns the condition.
// The limit only guards against a hang, it is not a timing assertion.
bool waitFor(const std::function<bool()>& condition, int limitMs = 10000);

// Expects the call to throw ComponentError whose description contains every given text.
void expectComponentError(const std::function<void()>& call, const QStringList& mentions);

// The folder of the program's own files in the build tree.
QString programDirForTests();


}  // namespace testing_support
