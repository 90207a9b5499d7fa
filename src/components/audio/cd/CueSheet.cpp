#include "components/audio/cd/CueSheet.h"

namespace cue {

const Index* Track::start() const {
    for (const Index& i : indexes)
        if (i.number == 1) return &i;
    return nullptr;
}

}  // namespace cue
