// The layer's back end: where frames go, where input and time come from. The
// window back end drives an SDL window; the headless one renders into memory
// on a virtual clock with scripted input. Both draw through an SDL renderer, so
// the pictures are the same.
#pragma once

#include <memory>
#include <string>

#include "platform/frame_pacer.h"
#include "platform/input_state.h"
#include "platform/png_codec.h"

struct SDL_Renderer;

namespace platform {

struct Date {
    int day, month, year;
};

class Backend : public Clock {
public:
    // Set before the first opening; a later change retitles the window.
    virtual void SetCaption(const std::string& caption) = 0;
    // Opens or re-opens the surface; the renderer stays the same across
    // re-openings, so loaded textures stay valid. Nullptr when it failed; the
    // window back end throws FatalError instead when it has no window at all.
    virtual SDL_Renderer* Open(int width, int height, bool fullScreen) = 0;
    // Whether ShowFrame must pace in software (false when vertical sync does it).
    virtual bool Paces() const = 0;
    // Whether frames go to memory instead of a window (headless runs).
    virtual bool IsHeadless() const = 0;
    virtual void Present() = 0;
    // Takes in pending events; called by every input query.
    virtual void PumpEvents(InputState& input) = 0;
    // ClearKeys is about to clear the input state: input that happened before
    // it must be taken in now so that the clear covers it.
    virtual void BeforeClearKeys(InputState& input) = 0;
    // Full screen moves the pointer to the centre of the surface.
    virtual void WarpPointer(int x, int y) = 0;
    virtual void SetIcon(const Pixels& icon) = 0;
    virtual Date Today() = 0;
    // Closes the surface for good: the last step of the program's shut-down.
    virtual void Close() = 0;
};

// Makes the back end current; the previous one (and every texture made for
// its renderer) goes away.
void InstallBackend(std::unique_ptr<Backend> backend);

// The current back end; a headless one with no script until one is installed.
Backend& CurrentBackend();

}  // namespace platform
