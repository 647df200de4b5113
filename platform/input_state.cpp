// Input state bookkeeping.
#include "platform/input_state.h"

#include <cstddef>

namespace platform {

void InputState::KeyPressed(int key, bool repeat) {
    // A repeat must not mark a key held either: after ClearKeys a key still held
    // reads as up until it is released and pressed again.
    if (!IsKey(key) || repeat || held_[static_cast<std::size_t>(key)]) return;
    held_[static_cast<std::size_t>(key)] = true;
    ++hits_[static_cast<std::size_t>(key)];
}

void InputState::KeyReleased(int key) {
    if (IsKey(key)) held_[static_cast<std::size_t>(key)] = false;
}

void InputState::PointerMoved(int x, int y) {
    pointerX_ = x;
    pointerY_ = y;
}

void InputState::ButtonPressed(int button) {
    if (IsButton(button)) ++clicks_[static_cast<std::size_t>(button)];
}

int InputState::TakeHits(int key) {
    if (!IsKey(key)) return 0;
    int hits = hits_[static_cast<std::size_t>(key)];
    hits_[static_cast<std::size_t>(key)] = 0;
    return hits;
}

bool InputState::IsDown(int key) const { return IsKey(key) && held_[static_cast<std::size_t>(key)]; }

int InputState::TakeClicks(int button) {
    if (!IsButton(button)) return 0;
    int clicks = clicks_[static_cast<std::size_t>(button)];
    clicks_[static_cast<std::size_t>(button)] = 0;
    return clicks;
}

bool InputState::TakeCloseRequest() {
    bool requested = closeRequested_;
    closeRequested_ = false;
    return requested;
}

void InputState::ClearKeys() {
    held_.fill(false);
    hits_.fill(0);
    clicks_.fill(0);
}

}  // namespace platform
