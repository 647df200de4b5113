// The score server over HTTP: what it refuses (and that a refusal stores
// nothing), the rate limit, repeated scores, the top-ten order and the version.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "services/online/hmac_sha256.h"
#include "services/online/signed_request.h"
#include "tests/server/running_server.h"

namespace {

using namespace services::online;
using testing_support::RunningServer;
using testing_support::UnlimitedConfig;

std::string AddScore(const std::string& user, int level, int score,
                     const std::string& date = "09%20Dec%202026") {
    return "snatchkin_win.php?option=addscore&user=" + user + "&level=" + std::to_string(level) +
           "&point=" + std::to_string(score) + "&date=" + date + "&version=1.1&platform=windows";
}

std::string AddWith(const std::string& field, const std::string& value) {
    std::string user = "santa", level = "3", point = "1250", date = "09%20Dec%202026", version = "1.1",
                platform = "windows";
    if (field == "user") user = value;
    if (field == "level") level = value;
    if (field == "point") point = value;
    if (field == "date") date = value;
    if (field == "version") version = value;
    if (field == "platform") platform = value;
    return "snatchkin_win.php?option=addscore&user=" + user + "&level=" + level + "&point=" + point +
           "&date=" + date + "&version=" + version + "&platform=" + platform;
}

std::string TableOf(const RunningServer& server) {
    const auto result = server.SendSigned(std::string(GetScoresRequest));
    return result ? result->body : "no answer";
}

int StatusOf(const httplib::Result& result) { return result ? result->status : -1; }

TEST(ScoreServer, MalformedAndHostileFieldsAreRefusedAndStoreNothing) {
    RunningServer server(UnlimitedConfig());
    struct Case {
        std::string request;
        int status;
    };
    const std::vector<Case> cases = {
        {AddWith("user", "x%27%3B%20DROP%20TABLE%20scores%3B--"), 400},
        {AddWith("user", "robert%27)%20OR%201%3D1--"), 400},
        {AddWith("user", "Santa"), 400},
        {AddWith("user", ""), 400},
        {AddWith("user", "%20%20"), 400},
        {AddWith("user", "abcdefghijk"), 400},
        {AddWith("user", std::string(600, 'a')), 400},
        {AddWith("user", "a%00b"), 400},
        {AddWith("user", "a%0Ab"), 400},
        {AddWith("user", "santa+2"), 400},
        {AddWith("user", "%zz"), 400},
        {AddWith("level", "0"), 400},
        {AddWith("level", "1000"), 400},
        {AddWith("level", "-1"), 400},
        {AddWith("level", "3.0"), 400},
        {AddWith("level", "%203"), 400},
        {AddWith("point", "0"), 400},
        {AddWith("point", "100000000"), 400},
        {AddWith("point", "2147483648"), 400},
        {AddWith("point", "99999999999999999999"), 400},
        {AddWith("point", "1e5"), 400},
        {AddWith("date", "09%20Dec%202026%3B"), 400},
        {AddWith("date", "9%20Dec%202026"), 400},
        {AddWith("date", "09%20dec%202026"), 400},
        {AddWith("date", "31%20Apr%202026"), 400},
        {AddWith("date", "29%20Feb%202025"), 400},
        {AddWith("date", "00%20Jan%202026"), 400},
        {AddWith("date", "09+Dec+2026"), 400},
        {AddWith("date", "09%20Dec%201999"), 400},
        {AddWith("version", ""), 400},
        {AddWith("version", "1.1%27"), 400},
        {AddWith("version", "1..1"), 400},
        {AddWith("version", "1.1.1.1.1"), 400},
        {AddWith("platform", "mac"), 400},
        {AddWith("platform", "Windows"), 400},
        {AddWith("level", "3&level=4"), 400},
        {AddWith("platform", "windows&admin=1"), 400},
        {AddWith("platform", "windows&"), 400},
        {"snatchkin_win.php?option=addscore&user=santa&level=3&point=1250", 400},
        {"snatchkin_win.php?option=dropscores", 400},
        {"snatchkin_win.php?nbscore=10", 400},
        {"snatchkin_win.php?option=getversion", 400},
        {"VersionCheck.php?option=getscore&nbscore=10", 400},
        {"snatchkin_win.php?option=getscore&nbscore=0", 400},
        {"snatchkin_win.php?option=getscore&nbscore=11", 400},
        {"snatchkin_win.php?option=getscore&nbscore=ten", 400},
        {"snatchkin_win.php?option=getscore", 400},
        {"other.php?option=getscore&nbscore=10", 404},
    };
    for (const Case& c : cases) EXPECT_EQ(StatusOf(server.SendSigned(c.request)), c.status) << c.request;
    EXPECT_EQ(TableOf(server), "");
}

TEST(ScoreServer, BadMissingOrStaleSignaturesAreRefused) {
    RunningServer server(UnlimitedConfig());
    const std::string add = AddScore("santa", 3, 1250);
    const std::string timed = TimedRequest(add, SystemUnixSeconds());
    const std::string goodSig = HmacSha256Hex(OnlineRequestKey, timed);
    std::string flipped = goodSig;
    flipped[10] = flipped[10] == 'a' ? 'b' : 'a';
    std::string upper = goodSig;
    for (char& c : upper) c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    const std::string otherTimed = TimedRequest(std::string(GetScoresRequest), SystemUnixSeconds());

    const std::vector<std::string> refused = {
        add,
        timed,
        add + "&sig=" + goodSig,
        timed + "&sig=",
        timed + "&sig=" + flipped,
        timed + "&sig=" + upper,
        timed + "&sig=" + goodSig + "0",
        timed + "&sig=" + HmacSha256Hex("k3Rt8vQz1mW5xYc", timed),
        timed + "&sig=" + HmacSha256Hex(OnlineRequestKey, otherTimed),
        add + "&t=abc&sig=" + HmacSha256Hex(OnlineRequestKey, add + "&t=abc"),
        add + "&t=-5&sig=" + HmacSha256Hex(OnlineRequestKey, add + "&t=-5"),
        SignedRequest(add, OnlineRequestKey, SystemUnixSeconds() - 400),
        SignedRequest(add, OnlineRequestKey, SystemUnixSeconds() + 400),
        SignedRequest(add, OnlineRequestKey, 0),
    };
    for (const std::string& request : refused) EXPECT_EQ(StatusOf(server.SendRaw(request)), 403) << request;
    EXPECT_EQ(TableOf(server), "");

    EXPECT_EQ(StatusOf(server.SendRaw(timed + "&sig=" + goodSig)), 200);
    EXPECT_EQ(StatusOf(server.SendSigned(AddScore("elf", 1, 300), -200)), 200);
    EXPECT_EQ(TableOf(server), "santa\n3\n1250\nelf\n1\n300\n");
}

TEST(ScoreServer, OversizedRequestsAreRefused) {
    RunningServer server(UnlimitedConfig());
    // Long enough for our limit, and far beyond cpp-httplib's own.
    for (std::size_t length : {1100u, 10000u}) {
        const auto result = server.SendSigned(AddWith("user", std::string(length, 'a')));
        EXPECT_EQ(StatusOf(result), 414) << length;
    }
    httplib::Client client("127.0.0.1", server.Port());
    const std::string target =
        "/scores/" + SignedRequest(AddScore("santa", 3, 1250), OnlineRequestKey, SystemUnixSeconds());
    const std::string body(4096, 'x');
    EXPECT_EQ(StatusOf(client.Post(target, body, "text/plain")), 413);
    httplib::Request get;
    get.method = "GET";
    get.path = target;
    get.body = body;
    get.set_header("Content-Length", std::to_string(body.size()));
    EXPECT_EQ(StatusOf(client.send(get)), 413);
    EXPECT_EQ(TableOf(server), "");
}

TEST(ScoreServer, AFloodBeyondTheRateLimitIsRefusedAndStoresNothing) {
    server::ServerConfig config;
    config.rateBurst = 5;
    config.ratePerMinute = 1;  // no token comes back within the test
    RunningServer server(config);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(StatusOf(server.SendSigned(AddScore("santa", 1, 100 + i))), 200) << i;
    EXPECT_EQ(StatusOf(server.SendSigned(std::string(GetScoresRequest))), 200);
    for (int i = 0; i < 20; ++i)
        EXPECT_EQ(StatusOf(server.SendSigned(AddScore("flood", 1, 5000 + i))), 429) << i;
    // Unsigned and unknown requests count too.
    EXPECT_EQ(StatusOf(server.SendRaw("nowhere")), 429);
}

TEST(ScoreServer, TheSameNameLevelScoreAndDateAreOneEntry) {
    RunningServer server(UnlimitedConfig());
    for (int i = 0; i < 3; ++i) EXPECT_EQ(StatusOf(server.SendSigned(AddScore("santa", 3, 1250))), 200);
    // A different version or platform is still the same entry.
    EXPECT_EQ(StatusOf(server.SendSigned(AddWith("platform", "linux"))), 200);
    EXPECT_EQ(TableOf(server), "santa\n3\n1250\n");
    // Any of the four differing makes another entry.
    EXPECT_EQ(StatusOf(server.SendSigned(AddScore("santa", 3, 1250, "10%20Dec%202026"))), 200);
    EXPECT_EQ(StatusOf(server.SendSigned(AddScore("santa", 4, 1250))), 200);
    EXPECT_EQ(StatusOf(server.SendSigned(AddScore("santa", 3, 1251))), 200);
    EXPECT_EQ(StatusOf(server.SendSigned(AddScore("rudolph", 3, 1250))), 200);
    EXPECT_EQ(TableOf(server),
              "santa\n3\n1251\nsanta\n3\n1250\nsanta\n3\n1250\nsanta\n4\n1250\nrudolph\n3\n1250\n");
}

TEST(ScoreServer, TopTenByScoreWithEarlierEntriesFirstOnTies) {
    RunningServer server(UnlimitedConfig());
    const std::vector<std::pair<std::string, int>> added = {
        {"a", 500}, {"b", 900}, {"c", 500}, {"d", 100}, {"e", 1000}, {"f", 900},
        {"g", 50},  {"h", 700}, {"i", 500}, {"j", 20},  {"k", 10},   {"l", 5000},
    };
    for (const auto& [name, score] : added)
        ASSERT_EQ(StatusOf(server.SendSigned(AddScore(name, 2, score))), 200);
    const std::string expected =
        "l\n2\n5000\ne\n2\n1000\nb\n2\n900\nf\n2\n900\nh\n2\n700\n"
        "a\n2\n500\nc\n2\n500\ni\n2\n500\nd\n2\n100\ng\n2\n50\n";
    EXPECT_EQ(TableOf(server), expected);
    const auto three = server.SendSigned("snatchkin_win.php?option=getscore&nbscore=3");
    ASSERT_TRUE(three);
    EXPECT_EQ(three->body, "l\n2\n5000\ne\n2\n1000\nb\n2\n900\n");
    EXPECT_EQ(three->get_header_value("Content-Type"), "text/plain; charset=utf-8");
}

TEST(ScoreServer, VersionNamesTheCurrentVersion) {
    for (const char* version : {"1.1", "1.2"}) {
        server::ServerConfig config = UnlimitedConfig();
        config.service.currentVersion = version;
        RunningServer server(config);
        const auto result = server.SendSigned(std::string(VersionRequest));
        ASSERT_TRUE(result);
        EXPECT_EQ(result->status, 200);
        EXPECT_EQ(result->body, std::string("snatchkin\n") + version + "\n");
        EXPECT_EQ(StatusOf(server.SendSigned("VersionCheck.php?option=getversion")), 200);
        EXPECT_EQ(StatusOf(server.SendSigned("VersionCheck.php?option=getversion&nbscore=x")), 400);
    }
}

}  // namespace
