// The names of every key the game can bind or detect, by key code.
#pragma once

#include <span>
#include <string_view>

namespace services {

struct KeyName {
    int code;
    std::string_view name;
};

// All pairs in scan order. Codes 13, 107 and 109 appear twice; the first pair
// wins every lookup. The last pair (255, "n/a") ends every scan.
std::span<const KeyName> KeyNameTable();

// The first pair with the code, or the closing "n/a" pair when none has it.
const KeyName& FindKeyName(int code);

}  // namespace services
