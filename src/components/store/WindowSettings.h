#pragma once
// The converter's and the extractor's own stored choices as plain values: the output folder, the
// output format and the windows' check boxes, each loaded and saved under the names those windows
// have always used (below each tool's key of the machine-wide root), so that stored files keep
// loading. The windows load them when they open and save them when they close; velloria-convert
// reads what the windows stored. Qt Core only.

#include <QString>

// The converter window's choices.
struct ConverterWindowSettings {
    QString outputFolder;       // where outputs go unless beside their sources
    int outputFormat = 2;       // the output format's place in the format list, from 1 (2: MP3)
    bool customFolder = true;   // outputs go to outputFolder rather than beside their sources
    bool preserveTags = true;   // tags are copied to the outputs
    bool deleteSource = false;  // sources are deleted once converted
    bool parallel = true;       // one conversion per processor core at once
    bool loudnessTags = false;  // outputs are tagged with their loudness
    bool namePattern = false;   // outputs are named by `pattern` (the design's naming otherwise)
    QString pattern = QStringLiteral("{artist}/{album}/{track} - {title}");  // tag fields, see runs/NamePattern

    // The key the converter keeps its choices under: these, its output settings and its
    // ripping options.
    static QString key();
    // `defaults` with every usable stored value put on it. A flag that is not a whole number,
    // or a format place outside 1..formatCount, is not usable.
    static ConverterWindowSettings load(const ConverterWindowSettings& defaults, int formatCount);
    void save() const;

    bool operator==(const ConverterWindowSettings&) const = default;
};

// The extractor window's choices; the lists' choices are kept as the lists show them.
struct ExtractorWindowSettings {
    bool otherFolder = false;   // outputs go to outputFolder rather than beside their sources
    QString outputFolder;
    bool deleteSource = false;  // sources are deleted once extracted
    QString format = QStringLiteral("MP3");       // the output format's key
    QString channels = QStringLiteral("Mono");
    QString bitRate = QStringLiteral("128");      // kbit/s
    QString frequency = QStringLiteral("44100");  // Hz

    // The key the extractor keeps its choices under: these and its output settings.
    static QString key();
    // `defaults` with every usable stored value put on it. A flag or bit rate that is not a
    // whole number is not usable; a bit rate is read as its number (blanks around it go).
    static ExtractorWindowSettings load(const ExtractorWindowSettings& defaults);
    void save() const;

    bool operator==(const ExtractorWindowSettings&) const = default;
};
