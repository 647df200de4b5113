// Laying out a contact sheet.
#include "generators/art/contact.h"

#include <algorithm>
#include <string>

#include "assets/palette.h"
#include "generators/art/paint.h"
#include "generators/art/text.h"

namespace art {
namespace {

constexpr int kGap = 10, kLabel = 22;
constexpr std::uint32_t kBackground = 0xFF2A2E38u, kCheckA = 0xFF3C4250u, kCheckB = 0xFF485062u;

}  // namespace

platform::Pixels ContactSheet(const platform::Pixels& picture, const assets::AssetInfo& info) {
    bool frames = info.kind == assets::Kind::Frames;
    int cw = frames ? info.cellWidth : picture.width, ch = frames ? info.cellHeight : picture.height;
    int count = frames ? (picture.width / cw) * (picture.height / ch) : 1;
    int scale = std::clamp(192 / std::max(cw, ch), 1, 8);
    int columns = std::min(count, std::max(1, 1400 / (cw * scale + kGap)));
    int rows = (count + columns - 1) / columns;
    int boxW = cw * scale + kGap, boxH = ch * scale + kGap + kLabel;
    platform::Pixels sheet = BlankPicture(columns * boxW + kGap, rows * boxH + kGap);
    std::fill(sheet.argb.begin(), sheet.argb.end(), kBackground);
    Canvas all(sheet);
    TextStyle label{.dot = 2, .fill = {assets::palette::Snow}, .highlight = 0, .outline = 0, .shadow = 0};
    for (int f = 0; f < count; ++f) {
        int bx = kGap + f % columns * boxW, by = kGap + f / columns * boxH;
        // Frames the game never loads (past the table's count) get a red number.
        label.fill = {f < (frames ? info.frames : 1) ? assets::palette::Snow : assets::palette::RedLight};
        DrawText(all, bx, by, std::to_string(f), label);
        int sx = f % (picture.width / cw) * cw, sy = f / (picture.width / cw) * ch;
        for (int y = 0; y < ch * scale; ++y)
            for (int x = 0; x < cw * scale; ++x) {
                std::uint32_t p = picture.At(sx + x / scale, sy + y / scale) | 0xFF000000u;
                if (p == assets::palette::Transparent) p = ((x / 6 + y / 6) & 1) ? kCheckA : kCheckB;
                sheet.At(bx + x, by + kLabel - 4 + y) = p;
            }
    }
    return sheet;
}

}  // namespace art
