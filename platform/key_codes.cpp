// Scancode to key code, as a table.
#include "platform/key_codes.h"

#include <SDL_scancode.h>

#include <array>
#include <utility>

namespace platform {
namespace {

// Ranges whose codes run in step with their scancodes.
struct Run {
    SDL_Scancode first;
    int count;
    int firstCode;
};

constexpr std::array kRuns{
    Run{SDL_SCANCODE_A, 26, 65},                                    // A-Z
    Run{SDL_SCANCODE_1, 9, 49},                                     // 1-9 (0 comes after 9 in scancodes)
    Run{SDL_SCANCODE_F1, 12, 112},                                  // F1-F12
    Run{SDL_SCANCODE_F13, 12, 124}, Run{SDL_SCANCODE_KP_1, 9, 97},  // Numpad 1-9
};

constexpr std::array<std::pair<SDL_Scancode, int>, 50> kSingles{{
    {SDL_SCANCODE_0, 48},
    {SDL_SCANCODE_BACKSPACE, 8},
    {SDL_SCANCODE_TAB, 9},
    {SDL_SCANCODE_RETURN, 13},
    {SDL_SCANCODE_KP_ENTER, 13},  // the numpad's Enter reports the same code as Return
    {SDL_SCANCODE_PAUSE, 19},
    {SDL_SCANCODE_CAPSLOCK, 20},
    {SDL_SCANCODE_ESCAPE, 27},
    {SDL_SCANCODE_SPACE, 32},
    {SDL_SCANCODE_PAGEUP, 33},
    {SDL_SCANCODE_PAGEDOWN, 34},
    {SDL_SCANCODE_END, 35},
    {SDL_SCANCODE_HOME, 36},
    {SDL_SCANCODE_LEFT, 37},
    {SDL_SCANCODE_UP, 38},
    {SDL_SCANCODE_RIGHT, 39},
    {SDL_SCANCODE_DOWN, 40},
    {SDL_SCANCODE_PRINTSCREEN, 44},
    {SDL_SCANCODE_INSERT, 45},
    {SDL_SCANCODE_DELETE, 46},
    {SDL_SCANCODE_HELP, 47},
    {SDL_SCANCODE_LGUI, 91},
    {SDL_SCANCODE_RGUI, 92},
    {SDL_SCANCODE_APPLICATION, 93},
    {SDL_SCANCODE_KP_0, 96},
    {SDL_SCANCODE_KP_MULTIPLY, 106},
    {SDL_SCANCODE_KP_PLUS, 107},
    {SDL_SCANCODE_KP_MINUS, 109},
    {SDL_SCANCODE_KP_PERIOD, 110},
    {SDL_SCANCODE_KP_DIVIDE, 111},
    {SDL_SCANCODE_NUMLOCKCLEAR, 144},
    {SDL_SCANCODE_SCROLLLOCK, 145},
    {SDL_SCANCODE_LSHIFT, 160},
    {SDL_SCANCODE_RSHIFT, 161},
    {SDL_SCANCODE_LCTRL, 162},
    {SDL_SCANCODE_RCTRL, 163},
    {SDL_SCANCODE_LALT, 164},
    {SDL_SCANCODE_RALT, 165},
    {SDL_SCANCODE_SEMICOLON, 186},
    {SDL_SCANCODE_EQUALS, 187},
    {SDL_SCANCODE_COMMA, 188},
    {SDL_SCANCODE_MINUS, 189},
    {SDL_SCANCODE_PERIOD, 190},
    {SDL_SCANCODE_SLASH, 191},
    {SDL_SCANCODE_GRAVE, 192},
    {SDL_SCANCODE_LEFTBRACKET, 219},
    {SDL_SCANCODE_BACKSLASH, 220},
    {SDL_SCANCODE_RIGHTBRACKET, 221},
    {SDL_SCANCODE_APOSTROPHE, 222},
    {SDL_SCANCODE_NONUSBACKSLASH, 226},  // the extra key beside left Shift on ISO keyboards
}};

// The punctuation keys' codes by the character they type.
constexpr std::array<std::pair<char, int>, 11> kPunctuation{{
    {';', 186},
    {'=', 187},
    {',', 188},
    {'-', 189},
    {'.', 190},
    {'/', 191},
    {'`', 192},
    {'[', 219},
    {'\\', 220},
    {']', 221},
    {'\'', 222},
}};

bool InLetterBlock(int scancode) { return scancode >= SDL_SCANCODE_A && scancode <= SDL_SCANCODE_Z; }

}  // namespace

int KeyCodeOfKey(int scancode, int keycode) {
    if (keycode >= 'a' && keycode <= 'z') return 'A' + keycode - 'a';
    if (InLetterBlock(scancode))
        for (const auto& [character, code] : kPunctuation)
            if (keycode == character) return code;
    return KeyCodeOfScancode(scancode);
}

int KeyCodeOfScancode(int scancode) {
    for (const auto& run : kRuns)
        if (scancode >= run.first && scancode < run.first + run.count)
            return run.firstCode + scancode - run.first;
    for (const auto& [code, key] : kSingles)
        if (scancode == code) return key;
    return -1;
}

}  // namespace platform
