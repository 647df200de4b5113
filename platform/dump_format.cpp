// Number texts of the state dump.
#include "platform/dump_format.h"

#include <charconv>

namespace platform {

std::string DumpNumber(int value) { return std::to_string(value); }

std::string DumpNumber(double value) {
    char text[32];
    auto end = std::to_chars(text, text + sizeof text, value).ptr;
    return std::string(text, end);
}

}  // namespace platform
