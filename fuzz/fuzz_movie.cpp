// A movie loaded into the movie player and drawn, with each command element's area asked for.
#include "FuzzSupport.h"

#include "components/ui/Movie.h"

#include <cstdint>

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    fuzz::init(argc, argv, fuzz::App::Widgets);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const QString path = fuzz::writeInput(data, size, QStringLiteral("input.swf"));
    MoviePlayer* player = makeMoviePlayer(nullptr);
    try {
        player->LoadMovie(0, path);
        player->resize(200, 150);
        for (const QString& id : player->commands()) (void)player->elementRect(id);
        (void)player->grab();
    } catch (const ComponentError&) {
    }
    delete player;
    return 0;
}
