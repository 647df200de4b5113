// Per-client-address rate limiting: a bucket of tokens per address, one token
// per request, refilled at a steady rate up to the burst size.
#pragma once

#include <chrono>
#include <mutex>
#include <string>
#include <unordered_map>

namespace server {

class RateLimiter {
public:
    using Clock = std::chrono::steady_clock;

    // perMinute 0 turns the limit off.
    RateLimiter(int burst, int perMinute);

    // True when the address may make one more request now (and takes its token).
    bool Allow(const std::string& address, Clock::time_point now);

private:
    struct Bucket {
        double tokens;
        Clock::time_point filledAt;
    };

    double Refilled(const Bucket& bucket, Clock::time_point now) const;
    void ForgetFullBuckets(Clock::time_point now);

    double burst_;
    double perSecond_;
    std::mutex mutex_;
    std::unordered_map<std::string, Bucket> buckets_;
};

}  // namespace server
