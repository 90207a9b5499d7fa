#pragma once
// What one run of velloria-convert writes with: the converter window's stored choices (format,
// writer settings, whether tags are copied) with the command line's overrides put on them.

#include "cli/Options.h"
#include "components/audio/settings/OutputSettings.h"

#include <QString>

namespace cli {

struct RunSettings {
    const FormatName* format = nullptr;
    OutputSettings settings;
    bool preserveTags = true;
};

struct RunSettingsResult {
    RunSettings run;
    QString error;  // the options do not suit the format (a usage error)
};

// What the converter window stored, with the options put on it.
RunSettingsResult runSettings(const Options& options);

}  // namespace cli
