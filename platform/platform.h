// The drawing, input and timing layer: everything the game asks of the machine.
// Game code includes this header and never SDL; the layer runs on a window or
// a headless back end (see backend.h) without the game telling the difference.
#pragma once

#include <stdexcept>
#include <string_view>

#include "platform/files.h"
#include "platform/mask.h"
#include "platform/random.h"
#include "platform/text.h"

namespace platform {

// --- Window and frame ---------------------------------------------------------

// The caption of the window; set before the screen is opened.
void SetWindowCaption(std::string_view caption);

// Opens the drawing surface, or re-opens it when the display option changes.
// Resets the draw state: tint white, opacity 1.0, BlendMode::Masked. In full screen
// the pointer moves to the centre (512, 384).
void OpenScreen(int width, int height, bool fullScreen, int refresh);

// Gives the window the game's icon ("gfx\\icon.png"). Called once, after the first opening.
void SetWindowIcon();

// Closes the drawing surface for good (the window goes away); loaded images
// stay, but nothing is drawn any more. The last step of the shut-down.
void CloseScreen();

// Fills the back buffer with black.
void ClearScreen();

// Presents the back buffer and holds the program at 60 frames per second.
void ShowFrame();

// --- Images -------------------------------------------------------------------

// A loaded image: a registered picture cut into frames. Images are also found
// by their asset name, so game code may draw by name as its algorithms read:
// DrawFrame("gfx\\menugeneric.png", 0, 0, 0).
struct Image {
    int id = -1;
    bool Valid() const { return id >= 0; }
};

// Cuts the picture into cells of cellWidth by cellHeight, numbered row by row
// from 0, and keeps frameCount of them starting at firstFrame. Pure black is
// transparent. Loading the same name again replaces the earlier image.
Image LoadFrames(std::string_view assetName, int cellWidth, int cellHeight, int firstFrame, int frameCount);

// One frame: the whole picture.
Image LoadPicture(std::string_view assetName);

// The image loaded under the name, or an invalid image.
Image FindImage(std::string_view assetName);

// Draws the frame with its top-left corner at (x, y), tinted, faded and blended
// by the draw state. An invalid image or a frame it does not have draws nothing.
void DrawFrame(Image image, double x, double y, int frame);
void DrawFrame(std::string_view assetName, double x, double y, int frame);

// Fills the ellipse inscribed in the box with the tint colour and opacity.
void DrawEllipse(double x, double y, double width, double height);

// True when some surface pixel is covered by an opaque pixel of both frames
// placed with their top-left corners at the given points.
bool FramesCollide(Image a, double xa, double ya, int frameA, Image b, double xb, double yb, int frameB);
bool FramesCollide(std::string_view a, double xa, double ya, int frameA, std::string_view b, double xb,
                   double yb, int frameB);

// --- Draw state ---------------------------------------------------------------

// Tint for all following drawing, each channel 0-255.
void SetDrawColour(int red, int green, int blue);

// Opacity for all following drawing, 0.0-1.0.
void SetDrawAlpha(double opacity);

// How drawing puts pixels down. Masked: no blending, pixels under half
// opacity are not drawn; Solid: no blending, no test; Alpha: source over
// destination by the source's opacity; Light: added to the destination;
// Shade: the destination multiplied by the source. The game selects Alpha.
enum class BlendMode { Masked = 1, Solid, Alpha, Light, Shade };
void SelectBlend(BlendMode mode);

// --- Input --------------------------------------------------------------------
// Keys are Windows virtual-key codes 0-255; any other code is never held and
// never hit. Every query first takes in the pending input events.

// Presses (up to down) since the previous query of this key or since
// ClearKeys; the query resets the count. Auto-repeat never counts.
int KeyHitCount(int key);

// Whether the key is held now. After ClearKeys a held key reads as up until it
// is released and pressed again.
bool KeyIsDown(int key);

// Clears every held flag and hit counter of keys and mouse buttons.
void ClearKeys();

// Last known pointer position in surface pixels.
int PointerX();
int PointerY();

// Presses of mouse button 1-3 since the previous query; the query resets it.
int PointerClicks(int button);

// Whether the window's close request came since the previous query; the query clears it.
bool CloseRequested();

// --- Time and program ---------------------------------------------------------

// A monotonic millisecond counter (read once, to seed the generator).
int ClockMs();

// Sleeps; zero or negative does nothing.
void WaitMs(int ms);

// Whether the program runs headless (frames into memory, virtual clock).
bool IsHeadless();

// What EndProgram throws. Not a std::exception, so that no catch-all on the
// way stops it: the program's shut-down steps catch it.
struct ProgramEnd {};

// Ends the program at once, from anywhere: unwinds to the program's shut-down
// steps, which save, stop the sounds and close the screen.
[[noreturn]] void EndProgram();

// A failure the program cannot go on from, such as no window or a broken
// embedded asset. Its text is the one line the player sees on standard error
// ("snatchkin: ..."); the program ends through its shut-down steps with exit
// code 1.
struct FatalError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// --- Game helpers -------------------------------------------------------------

// Writes text with the game's 16 by 20 bitmap font: the left edge at
// trunc(column * advance), the top at row * 20, one glyph every advance pixels.
// Characters the font lacks are drawn as "?".
void DrawFontText(std::string_view text, double column, double row, double advance);

// Box test; boxes that touch along an edge overlap.
bool RectsOverlap(int x1, int y1, int w1, int h1, int x2, int y2, int w2, int h2);

}  // namespace platform
