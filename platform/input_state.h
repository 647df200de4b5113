// The layer's input state: held flags and hit counters of the 256 key codes
// and three mouse buttons, the pointer and the close request. The back ends
// feed it events in game terms (key codes, surface pixels); the queries of
// platform.h read it.
#pragma once

#include <array>

namespace platform {

class InputState {
public:
    // A key went down. Auto-repeat (repeat true) and a key already held add nothing.
    void KeyPressed(int key, bool repeat);
    void KeyReleased(int key);
    void PointerMoved(int x, int y);
    // Button 1 left, 2 right, 3 middle.
    void ButtonPressed(int button);
    void CloseClicked() { closeRequested_ = true; }
    // Focus lost or regained: every key and button state and counter cleared.
    void FocusChanged() { ClearKeys(); }

    int TakeHits(int key);
    bool IsDown(int key) const;
    int TakeClicks(int button);
    bool TakeCloseRequest();
    int PointerX() const { return pointerX_; }
    int PointerY() const { return pointerY_; }

    // Held flags and hit counters of keys and buttons to zero.
    void ClearKeys();
    // Everything back to the start, the close request and pointer too.
    void Reset() { *this = InputState{}; }

private:
    static bool IsKey(int key) { return key >= 0 && key < 256; }
    static bool IsButton(int button) { return button >= 1 && button <= 3; }

    std::array<bool, 256> held_{};
    std::array<int, 256> hits_{};
    std::array<int, 4> clicks_{};
    int pointerX_ = 0;
    int pointerY_ = 0;
    bool closeRequested_ = false;
};

}  // namespace platform
