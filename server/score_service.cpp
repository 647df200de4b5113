// The score requests: add-score and get-scores under "snatchkin_win.php", the
// version under "VersionCheck.php". The signature is checked before anything
// else is read.
#include "server/score_service.h"

#include "server/query_text.h"
#include "server/score_fields.h"
#include "server/signature_check.h"
#include "services/online/request_texts.h"

namespace server {

namespace {

const Reply kMalformed{400, "malformed request\n"};
const Reply kBadSignature{403, "bad or missing signature\n"};
const Reply kNotFound{404, "not found\n"};
const Reply kStoreFailed{500, "score store failed\n"};

Reply AddScore(ScoreStore& store, const QueryParams& params, std::int64_t nowSeconds) {
    if (!HasExactlyParams(params, {"option", "user", "level", "point", "date", "version", "platform"}))
        return kMalformed;
    const auto level = ParseNumberInRange(params.find("level")->second, MinLevel, MaxLevel);
    const auto score = ParseNumberInRange(params.find("point")->second, MinScore, MaxScore);
    NewScore entry{params.find("user")->second,
                   level.value_or(0),
                   score.value_or(0),
                   params.find("date")->second,
                   params.find("version")->second,
                   params.find("platform")->second,
                   nowSeconds};
    if (!level || !score || !IsValidPlayerName(entry.name) || !IsValidScoreDate(entry.date) ||
        !IsValidGameVersion(entry.version) || !IsValidPlatform(entry.platform))
        return kMalformed;
    return store.Add(entry) ? Reply{200, "ok\n"} : kStoreFailed;
}

Reply GetScores(ScoreStore& store, const QueryParams& params) {
    if (!HasExactlyParams(params, {"option", "nbscore"})) return kMalformed;
    const auto rows = ParseNumberInRange(params.find("nbscore")->second, 1, MaxRowsPerAnswer);
    if (!rows) return kMalformed;
    const auto top = store.Top(*rows);
    if (!top) return kStoreFailed;
    std::string body;
    for (const RankedScore& row : *top)
        body += row.name + "\n" + std::to_string(row.level) + "\n" + std::to_string(row.score) + "\n";
    return {200, body};
}

Reply Version(const ServiceSettings& settings, const QueryParams& params) {
    // The game sends nbscore=30 here too; it means nothing for the version.
    if (!HasExactlyParams(params, {"option"}, {"nbscore"})) return kMalformed;
    if (params.contains("nbscore") && !ParseNumberInRange(params.find("nbscore")->second, 0, 999))
        return kMalformed;
    return {200, std::string(services::online::ProductKey) + "\n" + settings.currentVersion + "\n"};
}

Reply Dispatch(ScoreStore& store, const ServiceSettings& settings, std::string_view script,
               const QueryParams& params, std::int64_t nowSeconds) {
    const auto option = params.find("option");
    if (option == params.end()) return kMalformed;
    if (script == "snatchkin_win.php" && option->second == "addscore")
        return AddScore(store, params, nowSeconds);
    if (script == "snatchkin_win.php" && option->second == "getscore") return GetScores(store, params);
    if (script == "VersionCheck.php" && option->second == "getversion") return Version(settings, params);
    return kMalformed;
}

}  // namespace

Reply AnswerScoreRequest(ScoreStore& store, const ServiceSettings& settings, std::string_view target,
                         std::int64_t nowSeconds) {
    if (!target.starts_with(BasePath)) return kNotFound;
    target.remove_prefix(BasePath.size());
    const std::string_view script = target.substr(0, target.find('?'));
    if (script != "snatchkin_win.php" && script != "VersionCheck.php") return kNotFound;

    const SignatureCheck signature =
        CheckSignature(target, services::online::OnlineRequestKey, nowSeconds, settings.timeWindowSeconds);
    if (signature.verdict != SignatureVerdict::Valid) return kBadSignature;
    const std::size_t queryAt = signature.requestText.find('?');
    if (queryAt == std::string_view::npos) return kMalformed;
    const auto params = ParseQuery(signature.requestText.substr(queryAt + 1));
    if (!params) return kMalformed;
    return Dispatch(store, settings, script, *params, nowSeconds);
}

}  // namespace server
