// Token buckets per address. Buckets that have filled up again are forgotten
// once many addresses are known, so a scan from many addresses cannot grow
// the table without end.
#include "server/rate_limiter.h"

#include <algorithm>

namespace server {

namespace {

constexpr std::size_t kAddressesBeforeCleanUp = 4096;

}  // namespace

RateLimiter::RateLimiter(int burst, int perMinute) : burst_(burst), perSecond_(perMinute / 60.0) {}

bool RateLimiter::Allow(const std::string& address, Clock::time_point now) {
    if (perSecond_ <= 0) return true;
    std::lock_guard lock(mutex_);
    if (buckets_.size() >= kAddressesBeforeCleanUp) ForgetFullBuckets(now);
    Bucket& bucket = buckets_.try_emplace(address, Bucket{burst_, now}).first->second;
    bucket.tokens = Refilled(bucket, now);
    bucket.filledAt = now;
    if (bucket.tokens < 1.0) return false;
    bucket.tokens -= 1.0;
    return true;
}

double RateLimiter::Refilled(const Bucket& bucket, Clock::time_point now) const {
    const double seconds = std::chrono::duration<double>(now - bucket.filledAt).count();
    return std::min(burst_, bucket.tokens + std::max(0.0, seconds) * perSecond_);
}

void RateLimiter::ForgetFullBuckets(Clock::time_point now) {
    std::erase_if(buckets_, [&](const auto& entry) { return Refilled(entry.second, now) >= burst_; });
}

}  // namespace server
