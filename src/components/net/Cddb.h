#pragma once
// Disc information from a CDDB server (CDDB protocol, or HTTP when a script path is set) through
// libcddb, or from the local cdplayer.ini first.
//
// Contract: lookupDiscInfo runs on the calling thread and blocks until the server answers or
// the time-out passes; lookupDiscInfoWhileEventsRun runs it on a thread of its own while the
// calling thread's events go on. A failed look-up returns found = false with a readable error
// and writes nothing. Nothing here throws or shows a message.

#include "components/audio/cd/LocalDiscInfo.h"

#include <optional>

// Any: cdplayer.ini first, then the CDDB server. OnLine: the server only. LocalIniOnly:
// cdplayer.ini only. The server, script path, time-out, agent name and e-mail come from the
// settings; the server text is "host" or "host:port" (port 8880 for the CDDB protocol, 80 for
// HTTP when none is given).
DiscInfoResult lookupDiscInfo(const DiscToc& toc, DiscInfoSource source, const GrabSettings& settings,
                              const QString& cdplayerIniPath);

// lookupDiscInfo on a thread of its own; the calling thread's event loop runs until it ends,
// so that windows stay drawn and answer meanwhile. Nothing when the program ended first (its
// event loops were told to exit).
std::optional<DiscInfoResult> lookupDiscInfoWhileEventsRun(const DiscToc& toc, DiscInfoSource source,
                                                           const GrabSettings& settings, const QString& cdplayerIniPath);
