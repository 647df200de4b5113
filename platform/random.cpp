// The Park-Miller minimal standard generator (multiplier 48271), evaluated
// with Schrage's method so that no intermediate leaves 32 bits.
#include "platform/random.h"

#include <cmath>
#include <numbers>

#include "platform/state_registry.h"

namespace platform {
namespace {

constexpr std::int32_t kModulus = 0x7FFFFFFF;  // 2^31 - 1
constexpr std::int32_t kMultiplier = 48271;
constexpr std::int32_t kQuotient = 44488;  // kModulus / kMultiplier
constexpr std::int32_t kRemainder = 3399;  // kModulus % kMultiplier
constexpr std::int32_t kFallbackState = 0x1234;

std::int32_t state = kFallbackState;

std::int32_t Advance() {
    std::int32_t next = kMultiplier * (state % kQuotient) - kRemainder * (state / kQuotient);
    if (next < 0) next += kModulus;
    state = next;
    return state;
}

// One real in [0, 1) from two successive states.
double Draw() {
    std::int32_t s1 = Advance();
    std::int32_t s2 = Advance();
    return ((s1 & 0x1FFFFFFC) + (s2 & 0x1FFFFFF8) / 134217728.0) / 536870912.0;
}

const StateRegistration kRegistration([] { RegisterReset([] { state = kFallbackState; }); });

}  // namespace

void SeedRandom(std::int32_t seed) {
    state = seed & kModulus;
    if (state == 0 || state == kModulus) state = kFallbackState;
}

int RandomInt(int a, int b) {
    // 64 bits so that bounds far apart cannot overflow.
    std::int64_t d = static_cast<std::int64_t>(b) - a;
    double draw = Draw();
    if (d > 0) return static_cast<int>(a + static_cast<std::int64_t>(draw * static_cast<double>(d + 1)));
    return static_cast<int>(b + static_cast<std::int64_t>(draw * static_cast<double>(1 - d)));
}

double RandomReal(double a, double b) {
    double draw = Draw();
    return a <= b ? a + draw * (b - a) : b + draw * (a - b);
}

std::uint32_t RandomState() { return static_cast<std::uint32_t>(state); }

double SinDeg(double degrees) { return std::sin(degrees * std::numbers::pi / 180.0); }

}  // namespace platform
