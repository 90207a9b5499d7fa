#pragma once
// What one run of velloria-convert writes with: the converter window's stored choices (format,
// writer settings, whether tags are copied) with the command line's overrides put on them.

#include "cli/Options.h"
#include "components/audio/settings/OutputSettings.h"

#include <QString>

namespace cli {

// The converter window's settings key: the command reads what the window stored.
QString converterKey();

struct RunSettings {
    const audio::OutputFormat* format = nullptr;
    OutputSettings settings;
    bool preserveTags = true;
};

struct RunSettingsResult {
    RunSettings run;
    QString error;  // the options do not suit the format (a usage error)
};

RunSettingsResult runSettings(const Options& options, const QString& key);

}  // namespace cli
