#include "Targets.h"

#include "components/audio/tags/TagConventions.h"

#include <QRegularExpression>

#include <cmath>
#include <limits>

namespace fuzz_targets {
namespace {

using tag_conventions::Properties;
using tag_conventions::TagKind;

Properties propertiesOf(const QString& text) {
    Properties properties;
    for (const QString& line : text.split(QLatin1Char('\n'))) {
        const qsizetype eq = line.indexOf(QLatin1Char('='));
        if (eq <= 0) continue;
        properties[line.left(eq)] << line.mid(eq + 1);
    }
    return properties;
}

bool matches(const QString& pattern, const QString& text) {
    return QRegularExpression(QRegularExpression::anchoredPattern(pattern)).match(text).hasMatch();
}

// The loudness values written are in the target's convention and in the form players read.
// Returns whether each gain is small enough to survive a second reading exactly.
bool requireLoudnessForm(const Properties& out, TagKind to) {
    bool moderate = true;
    for (auto it = out.cbegin(); it != out.cend(); ++it) {
        const QString& key = it.key();
        const QString value = it.value().value(0);
        if (key.startsWith(QLatin1String("R128_"))) {
            require(to == TagKind::Opus, "an R128 gain written outside Opus");
            bool ok = false;
            const int q78 = value.toInt(&ok);
            require(ok && q78 >= std::numeric_limits<std::int16_t>::min() && q78 <= std::numeric_limits<std::int16_t>::max(),
                    "an R128 gain that is no 16-bit number");
        } else if (key.startsWith(QLatin1String("REPLAYGAIN_"))) {
            require(to != TagKind::Opus, "a ReplayGain value written into Opus");
            if (key.endsWith(QLatin1String("_GAIN"))) {
                require(matches(QStringLiteral("-?[0-9]+\\.[0-9]{2} dB"), value), "a ReplayGain gain in another form");
                moderate = moderate && std::abs(value.chopped(3).toDouble()) < 1e9;
            } else {
                require(matches(QStringLiteral("[0-9]+\\.[0-9]{6}"), value), "a ReplayGain peak in another form");
            }
        }
        require(!tag_conventions::describesFile(key), "a fact of the source file carried");
    }
    return moderate;
}

}  // namespace

void loudnessText(const std::uint8_t* data, std::size_t size) {
    if (size < 4) return;
    constexpr int kKinds = 5;
    const auto from = static_cast<TagKind>(data[0] % kKinds);
    const auto to = static_cast<TagKind>(data[1] % kKinds);
    const int headerGain = static_cast<std::int16_t>(data[2] | (data[3] << 8));
    const Properties source =
        propertiesOf(QString::fromUtf8(reinterpret_cast<const char*>(data + 4), qsizetype(size - 4)));
    const Properties out = tag_conventions::carried(source, from, to, headerGain);
    const bool moderate = requireLoudnessForm(out, to);
    // What is already in the target's convention stays as it is (carried again without a header
    // gain: an Opus gain is already relative to the target's).
    if (moderate) require(tag_conventions::carried(out, to, to, 0) == out, "tags carried twice change the second time");
}

}  // namespace fuzz_targets
