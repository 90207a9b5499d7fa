#pragma once
// The program's single-instance tool windows. Asking for one creates it (running its load
// handling) when it does not exist, then shows it modeless without an owner and brings it
// forward. A closed tool window is gone; the next ask creates it anew.

#include <QPointer>

class frmAudioConverter;
class AEfrmmain;

namespace tools {

frmAudioConverter* showAudioConverter();
AEfrmmain* showAudioExtractor();

// The open instances, or null.
frmAudioConverter* audioConverter();
AEfrmmain* audioExtractor();

// Destroys every tool window, and a recorder left open, without its close handling; used when
// the program ends (a recording in progress still keeps what was captured).
void destroyAll();

}  // namespace tools
