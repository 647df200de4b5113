// The stand-in for a missing sound card: a thread that mixes into a scratch
// buffer as fast as the clock runs, so playing sounds end when they would.
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "services/audio/mixer.h"
#include "services/audio/output_device.h"

namespace services::audio {
namespace {

class SilentDevice : public OutputDevice {
public:
    explicit SilentDevice(Mixer& mixer) : mixer_(mixer), scratch_(2 * kChunk), thread_([this] { Run(); }) {}
    ~SilentDevice() override {
        stop_.store(true);
        thread_.join();
    }
    bool IsSoundCard() const override { return false; }

private:
    static constexpr int kChunk = 441;  // 10 ms

    void Run() {
        using Clock = std::chrono::steady_clock;
        const auto start = Clock::now();
        long long mixed = 0;
        while (!stop_.load()) {
            auto elapsed = std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - start);
            long long due = elapsed.count() * kOutputRate / 1000000;
            for (; mixed + kChunk <= due; mixed += kChunk) mixer_.MixInto(scratch_.data(), kChunk);
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
    }

    Mixer& mixer_;
    std::vector<float> scratch_;
    std::atomic<bool> stop_{false};
    std::thread thread_;
};

}  // namespace

std::unique_ptr<OutputDevice> OpenSilentDevice(Mixer& mixer) { return std::make_unique<SilentDevice>(mixer); }

}  // namespace services::audio
