#include "Targets.h"

#include <QDir>
#include <QStringList>

#include <cstdio>
#include <cstdlib>

namespace fuzz_targets {

void require(bool condition, const char* what) {
    if (condition) return;
    std::fprintf(stderr, "fuzz target: %s\n", what);
    std::abort();
}

void requireSafeRelativePath(const QString& path) {
    require(!path.isEmpty(), "an expanded pattern is empty");
    require(!path.contains(QChar(0)), "an expanded pattern holds a NUL");
    require(!path.startsWith(QLatin1Char('/')), "an expanded pattern is absolute");
    for (const QString& part : path.split(QLatin1Char('/'))) {
        require(!part.isEmpty(), "an expanded pattern has an empty component");
        require(part != QLatin1String(".") && part != QLatin1String(".."), "an expanded pattern has a . or .. component");
    }
    require(QDir::cleanPath(QStringLiteral("out/") + path).startsWith(QLatin1String("out/")),
            "an expanded pattern leaves the output folder");
}

}  // namespace fuzz_targets
