#include "support/DiscServices.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace testing_support {

const char* const kReferenceDiscId = "jObrkwt9ee2eRhec1KFMgPp56d4-";
const char* const kSingleReleaseId = "0f0e0d0c-1111-4aaa-8bbb-000000000001";
const char* const kDeluxeReleaseId = "0f0e0d0c-2222-4aaa-8bbb-000000000002";

namespace {

QJsonObject medium(int position, const QString& discId, const QStringList& titles, const QString& idPrefix) {
    QJsonArray tracks;
    for (int i = 0; i < titles.size(); ++i)
        tracks.append(QJsonObject{{QStringLiteral("position"), i + 1},
                                  {QStringLiteral("id"), QStringLiteral("t%1%2").arg(idPrefix.mid(1)).arg(i + 1)},
                                  {QStringLiteral("title"), titles[i]},
                                  {QStringLiteral("recording"),
                                   QJsonObject{{QStringLiteral("id"), QStringLiteral("%1%2").arg(idPrefix).arg(i + 1)},
                                               {QStringLiteral("title"), titles[i]}}}});
    return {{QStringLiteral("position"), position},
            {QStringLiteral("format"), QStringLiteral("CD")},
            {QStringLiteral("discs"), QJsonArray{QJsonObject{{QStringLiteral("id"), discId}}}},
            {QStringLiteral("tracks"), tracks}};
}

QJsonArray credit(const QStringList& names, int firstId = 1) {
    QJsonArray out;
    for (int i = 0; i < names.size(); ++i)
        out.append(QJsonObject{{QStringLiteral("name"), names[i]},
                               {QStringLiteral("joinphrase"), i + 1 < names.size() ? QStringLiteral(" & ") : QString()},
                               {QStringLiteral("artist"),
                                QJsonObject{{QStringLiteral("id"), QStringLiteral("a0000000-0000-4000-8000-00000000000%1").arg(i + firstId)},
                                            {QStringLiteral("name"), names[i]}}}});
    return out;
}

}  // namespace

QByteArray referenceReleasesJson() {
    const QString disc = QString::fromLatin1(kReferenceDiscId);
    const QJsonObject single{
        {QStringLiteral("id"), QString::fromLatin1(kSingleReleaseId)},
        {QStringLiteral("title"), QStringLiteral("Morning Album")},
        {QStringLiteral("date"), QStringLiteral("2001-05-14")},
        {QStringLiteral("country"), QStringLiteral("GB")},
        {QStringLiteral("artist-credit"), credit({QStringLiteral("The Testers")})},
        {QStringLiteral("label-info"),
         QJsonArray{QJsonObject{{QStringLiteral("label"), QJsonObject{{QStringLiteral("name"), QStringLiteral("Loopback Records")}}}}}},
        {QStringLiteral("media"),
         QJsonArray{medium(1, disc, {QStringLiteral("Dawn"), QStringLiteral("Noon"), QStringLiteral("Dusk")},
                           QStringLiteral("r1000000-0000-4000-8000-00000000000"))}}};
    const QJsonObject deluxe{
        {QStringLiteral("id"), QString::fromLatin1(kDeluxeReleaseId)},
        {QStringLiteral("title"), QStringLiteral("Morning Album (Deluxe)")},
        {QStringLiteral("date"), QStringLiteral("2003")},
        {QStringLiteral("country"), QStringLiteral("US")},
        {QStringLiteral("artist-credit"), credit({QStringLiteral("The Testers"), QStringLiteral("Guest")})},
        {QStringLiteral("media"),
         QJsonArray{medium(1, QStringLiteral("someOtherDiscId0000000000000-"),
                           {QStringLiteral("Dawn"), QStringLiteral("Noon"), QStringLiteral("Dusk")},
                           QStringLiteral("r2000000-0000-4000-8000-00000000000")),
                    medium(2, disc, {QStringLiteral("Bonus One"), QStringLiteral("Bonus Two"), QStringLiteral("Bonus Three")},
                           QStringLiteral("r3000000-0000-4000-8000-00000000000"))}}};
    const QJsonObject elsewhere{
        {QStringLiteral("id"), QStringLiteral("0f0e0d0c-3333-4aaa-8bbb-000000000003")},
        {QStringLiteral("title"), QStringLiteral("Unrelated")},
        {QStringLiteral("media"), QJsonArray{medium(1, QStringLiteral("notThisDisc"), {QStringLiteral("X")}, QStringLiteral("x"))}}};
    return QJsonDocument(QJsonObject{{QStringLiteral("releases"), QJsonArray{single, deluxe, elsewhere}}}).toJson();
}

QString referenceLookupPath() {
    return QStringLiteral("/ws/2/discid/%1?inc=recordings+artist-credits+labels+isrcs&fmt=json").arg(QString::fromLatin1(kReferenceDiscId));
}

const char* const kCompilationReleaseId = "0f0e0d0c-4444-4aaa-8bbb-000000000004";
const char* const kCompilationArtists[3] = {"The Larks", "Sun Duo & Cloud", "The Testers"};
const char* const kCompilationIsrcs[3] = {"GBMIX0100001", "", "GBMIX0100003"};

QString compilationTrackId(int track) { return QStringLiteral("t4000000-0000-4000-8000-00000000000%1").arg(track); }

QByteArray compilationReleaseJson() {
    const QStringList titles{QStringLiteral("Dawn Chorus"), QStringLiteral("High Noon"), QStringLiteral("Dusk")};
    const QList<QStringList> artists{{QStringLiteral("The Larks")}, {QStringLiteral("Sun Duo"), QStringLiteral("Cloud")},
                                     {QStringLiteral("The Testers")}};
    const QList<QStringList> isrcs{{QLatin1String(kCompilationIsrcs[0])}, {QStringLiteral("GBMIX0100002"), QStringLiteral("GBMIX0100012")},
                                   {QLatin1String(kCompilationIsrcs[2])}};
    QJsonObject first = medium(1, QString::fromLatin1(kReferenceDiscId), titles, QStringLiteral("r4000000-0000-4000-8000-00000000000"));
    QJsonArray tracks = first.value(QStringLiteral("tracks")).toArray();
    for (int i = 0; i < 3; ++i) {
        QJsonObject track = tracks[i].toObject();
        QJsonObject recording = track.value(QStringLiteral("recording")).toObject();
        recording.insert(QStringLiteral("isrcs"), QJsonArray::fromStringList(isrcs[i]));
        track.insert(QStringLiteral("recording"), recording);
        track.insert(QStringLiteral("id"), compilationTrackId(i + 1));
        track.insert(QStringLiteral("artist-credit"), credit(artists[i], 3 + 2 * i));
        tracks[i] = track;
    }
    first.insert(QStringLiteral("tracks"), tracks);
    const QJsonObject release{
        {QStringLiteral("id"), QString::fromLatin1(kCompilationReleaseId)},
        {QStringLiteral("title"), QStringLiteral("Morning Mix")},
        {QStringLiteral("date"), QStringLiteral("2010-03-01")},
        {QStringLiteral("artist-credit"), credit({QStringLiteral("Various Artists")})},
        {QStringLiteral("media"),
         QJsonArray{first, medium(2, QStringLiteral("someOtherDiscId0000000000000-"), {QStringLiteral("Night")},
                                  QStringLiteral("r5000000-0000-4000-8000-00000000000"))}}};
    return QJsonDocument(QJsonObject{{QStringLiteral("releases"), QJsonArray{release}}}).toJson();
}

void serveCompilation(WebServer& server) {
    server.serve(referenceLookupPath(), {200, "application/json", compilationReleaseJson()});
    server.serve(QStringLiteral("/release/%1/front-1200").arg(QString::fromLatin1(kCompilationReleaseId)),
                 {200, "image/png", coverPicture()});
}

QByteArray coverPicture() {
    // The signature and header of a 1×1 PNG; the tags carry the bytes as they are.
    return QByteArray::fromHex("89504e470d0a1a0a0000000d4948445200000001000000010806000000"
                               "1f15c4890000000d49444154789c6360000002000001e221bc330000000049454e44ae426082");
}

std::vector<net::TrackChecksums> checksumsOf(const CdImage& image) {
    std::vector<net::TrackChecksums> out;
    const int count = int(image.tracks.size());
    for (int t = 0; t < count; ++t) {
        const SampleBlock& track = image.tracks[std::size_t(t)];
        accuraterip::TrackSum sum(std::int64_t(track.size() / 2), t == 0, t == count - 1);
        sum.add(track.data(), track.size());
        out.push_back({t + 1, sum.v1(), sum.v2()});
    }
    return out;
}

QByteArray recordOf(const CdImage& image, int differing, int confidence) {
    const DiscToc toc{std::vector<std::int32_t>(image.starts.begin(), image.starts.end()), image.leadOut};
    const accuraterip::DiscIds ids = accuraterip::discIds(toc);
    accuraterip::Block other{ids, {}};
    accuraterip::Block own{ids, {}};
    const int count = int(image.tracks.size());
    for (int t = 0; t < count; ++t) {
        const SampleBlock& track = image.tracks[std::size_t(t)];
        accuraterip::TrackSum sum(std::int64_t(track.size() / 2), t == 0, t == count - 1);
        sum.add(track.data(), track.size());
        other.tracks.push_back({1, sum.v1() ^ 0x5a5a5a5au, 0});
        own.tracks.push_back({confidence, t + 1 == differing ? sum.v2() ^ 0x1u : sum.v2(), sum.frame450()});
    }
    return accuraterip::recordBytes({other, own});
}

void serveReferenceDisc(WebServer& server, const QByteArray& record) {
    server.serve(referenceLookupPath(), {200, "application/json", referenceReleasesJson()});
    // The archive's 1200-pixel image, and an original that is not the one to take.
    server.serve(QStringLiteral("/release/%1/front-1200").arg(QString::fromLatin1(kSingleReleaseId)), {200, "image/png", coverPicture()});
    server.serve(QStringLiteral("/release/%1/front").arg(QString::fromLatin1(kSingleReleaseId)),
                 {200, "image/png", coverPicture() + QByteArray(64, '\0')});
    if (!record.isEmpty())
        server.serve(QStringLiteral("/ar/0/c/8/dBAR-003-000008c0-00001cd5-0b000e03.bin"), {200, "application/octet-stream", record});
}

const std::vector<ServerFault>& serverFaults() {
    using Answer = WebServer::Answer;
    const auto answer = [](int status, const char* type, const char* body, const char* headers = "") {
        return Answer(status, type, body, headers);
    };
    Answer silent;
    silent.silent = true;
    Answer cut = answer(200, "application/json", R"({"releases": [{"id": "r", "title": "Morning)");
    cut.stated = 4000;
    Answer huge = answer(200, "application/octet-stream", "");
    huge.filler = kHugeAnswer;
    static const std::vector<ServerFault> faults = {
        {"no answer", silent, "did not answer within 1 seconds", "did not answer within 1 seconds", "did not answer within 1 seconds",
         "did not answer within 1 seconds"},
        {"closed half-way", cut, "invalid response data", "broke off its answer", "broke off its answer", "broke off its answer"},
        {"404", answer(404, "text/plain", "not found"), "server error", "knows no release with disc id", "The release has no front cover.",
         nullptr},
        {"500", answer(500, "text/plain", "failed"), "server error", "HTTP status 500", "HTTP status 500", "HTTP status 500"},
        {"503 with Retry-After", answer(503, "text/plain", "busy", "Retry-After: 1\r\n"), "server error", "HTTP status 503",
         "HTTP status 503", "HTTP status 503"},
        {"503", answer(503, "text/plain", "busy"), "server error", "HTTP status 503", "HTTP status 503", "HTTP status 503"},
        {"redirect loop", answer(302, "text/plain", "", "Location: /loop\r\n"), "server error", "round in redirects",
         "round in redirects", "round in redirects"},
        {"wrong content type", answer(200, "text/html", "<html><body>Moved</body></html>"), "invalid response data", "not JSON",
         "sent no picture but text/html", "The AccurateRip record"},
        {"truncated JSON", answer(200, "application/json", R"({"releases": [{"id": "r", "title": "Morn)"), "", "not JSON",
         "sent no picture but application/json", "The AccurateRip record"},
        {"invalid JSON", answer(200, "application/json", "{releases: [nope]}"), "invalid response data", "not JSON",
         "sent no picture but application/json", "The AccurateRip record"},
        {"100 MB", huge, "invalid response data", "larger than 4096 kB", "larger than 16384 kB", "larger than 1024 kB"},
    };
    return faults;
}

GrabSettings settingsFor(const WebServer& server) {
    GrabSettings s;
    s.musicBrainzServer = server.base();
    s.coverArtServer = server.base();
    s.accurateRipServer = server.base() + QStringLiteral("/ar");
    s.cddbServer.clear();  // no CDDB server: that step fails at once
    s.cddbTimeOut = 3000;
    s.email = QStringLiteral("tests@velloria.example");
    return s;
}

}  // namespace testing_support
