// The request queue over libcurl's multi interface: one transfer at a time, in
// the order sent, so an add-score is stored before the table is fetched.
#include "services/online/request_queue.h"

#include <mutex>

#include "services/online/answer_lines.h"
#include "services/online/signed_request.h"

namespace services::online {

namespace {

void InitialiseCurlOnce() {
    static std::once_flag once;
    std::call_once(once, [] { curl_global_init(CURL_GLOBAL_DEFAULT); });
}

}  // namespace

struct RequestQueue::Transfer {
    int id = 0;
    CURL* easy = nullptr;
    std::string body;
    std::size_t maxBytes = 0;
    bool tooLarge = false;
    std::chrono::steady_clock::time_point deadline;

    ~Transfer() { curl_easy_cleanup(easy); }

    // libcurl's write callback: keeps the body, refuses it once over the limit.
    static std::size_t Keep(char* data, std::size_t size, std::size_t count, void* self) {
        auto* transfer = static_cast<Transfer*>(self);
        const std::size_t bytes = size * count;
        if (transfer->body.size() + bytes > transfer->maxBytes) {
            transfer->tooLarge = true;
            return 0;  // ends the transfer with a write error
        }
        transfer->body.append(data, bytes);
        return bytes;
    }
};

std::int64_t SystemUnixSeconds() {
    return std::chrono::duration_cast<std::chrono::seconds>(
               std::chrono::system_clock::now().time_since_epoch())
        .count();
}

RequestQueue::RequestQueue(RequestLimits limits, UnixClock unixSeconds)
    : limits_(limits), unixSeconds_(std::move(unixSeconds)) {
    InitialiseCurlOnce();
    multi_ = curl_multi_init();
}

RequestQueue::~RequestQueue() {
    if (running_) curl_multi_remove_handle(multi_, running_->easy);
    running_.reset();
    curl_multi_cleanup(multi_);
}

void RequestQueue::SetServer(std::string_view base) {
    if (base.ends_with('/')) base.remove_suffix(1);
    base_ = base;
}

void RequestQueue::SetKey(std::string_view key) { key_ = key; }

void RequestQueue::Send(int commandId, std::string_view requestText) {
    std::erase_if(arrived_, [commandId](const auto& answer) { return answer.first == commandId; });
    waiting_.push_back({commandId, base_ + "/" + SignedRequest(requestText, key_, unixSeconds_())});
}

void RequestQueue::Update() {
    if (!running_ && !waiting_.empty()) StartNextCommand();
    if (!running_) return;

    int stillRunning = 0;
    curl_multi_perform(multi_, &stillRunning);
    int messagesLeft = 0;
    while (CURLMsg* message = curl_multi_info_read(multi_, &messagesLeft)) {
        if (message->msg != CURLMSG_DONE || !running_ || message->easy_handle != running_->easy) continue;
        bool serverUnreachable = false;
        Answer answer = AnswerOfFinishedTransfer(message->data.result, serverUnreachable);
        EndTransfer(std::move(answer), serverUnreachable);
        return;
    }
    // Our own bound on top of libcurl's, on the steady clock.
    if (std::chrono::steady_clock::now() >= running_->deadline) EndTransfer({AnswerFailed, {}}, true);
}

int RequestQueue::GetNumberOfCommandsInQueue() const {
    return static_cast<int>(waiting_.size()) + (running_ ? 1 : 0);
}

int RequestQueue::Receive(int commandId) {
    for (auto it = arrived_.begin(); it != arrived_.end(); ++it) {
        if (it->first != commandId) continue;
        current_ = std::move(it->second);
        arrived_.erase(it);
        return 1;
    }
    return 0;
}

int RequestQueue::GetState() const { return current_.state; }

int RequestQueue::GetNbOfLines() const { return static_cast<int>(current_.lines.size()); }

std::string RequestQueue::GetResult(int line) const {
    if (line < 1 || line > GetNbOfLines()) return {};
    return current_.lines[static_cast<std::size_t>(line - 1)];
}

std::span<const std::string> RequestQueue::CurrentLines() const { return current_.lines; }

void RequestQueue::WaitForActivity(int ms) {
    if (running_) curl_multi_poll(multi_, nullptr, 0, ms, nullptr);
}

void RequestQueue::StartNextCommand() {
    Command command = std::move(waiting_.front());
    waiting_.pop_front();

    auto transfer = std::make_unique<Transfer>();
    transfer->id = command.id;
    transfer->maxBytes = limits_.maxAnswerBytes;
    transfer->deadline = std::chrono::steady_clock::now() + limits_.transferTimeout;
    transfer->easy = curl_easy_init();
    CURL* easy = transfer->easy;
    curl_easy_setopt(easy, CURLOPT_URL, command.url.c_str());
    curl_easy_setopt(easy, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(easy, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(easy, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(limits_.connectTimeout.count()));
    curl_easy_setopt(easy, CURLOPT_TIMEOUT_MS, static_cast<long>(limits_.transferTimeout.count()));
    curl_easy_setopt(easy, CURLOPT_MAXFILESIZE_LARGE, static_cast<curl_off_t>(limits_.maxAnswerBytes));
    curl_easy_setopt(easy, CURLOPT_WRITEFUNCTION, &Transfer::Keep);
    curl_easy_setopt(easy, CURLOPT_WRITEDATA, transfer.get());
    running_ = std::move(transfer);
    if (curl_multi_add_handle(multi_, easy) != CURLM_OK) EndTransfer({AnswerFailed, {}}, false);
}

RequestQueue::Answer RequestQueue::AnswerOfFinishedTransfer(CURLcode result, bool& serverUnreachable) const {
    if (running_->tooLarge || result == CURLE_FILESIZE_EXCEEDED) return {AnswerFailed, {}};
    if (result != CURLE_OK) {
        serverUnreachable = true;
        return {AnswerFailed, {}};
    }
    long status = 0;
    curl_easy_getinfo(running_->easy, CURLINFO_RESPONSE_CODE, &status);
    if (status != 200) return {AnswerRefused, {}};
    return {AnswerSucceeded, SplitAnswerLines(running_->body)};
}

void RequestQueue::EndTransfer(Answer answer, bool serverUnreachable) {
    curl_multi_remove_handle(multi_, running_->easy);
    arrived_.emplace_back(running_->id, std::move(answer));
    running_.reset();
    if (!serverUnreachable) return;
    for (const Command& command : waiting_) arrived_.emplace_back(command.id, Answer{AnswerFailed, {}});
    waiting_.clear();
}

}  // namespace services::online
