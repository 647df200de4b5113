// The hero's limb angles frame by frame. Angles: 0 hangs straight down,
// positive swings forward; see figures.h.
#include "generators/art/hero_poses.h"

#include <array>

namespace art {
namespace {

constexpr Pose Side(double lean, Limb nearArm, Limb farArm, Limb nearLeg, Limb farLeg,
                    Face face = Face::Grin) {
    Pose p;
    p.lean = lean, p.nearArm = nearArm, p.farArm = farArm, p.nearLeg = nearLeg, p.farLeg = farLeg,
    p.face = face;
    return p;
}
constexpr Pose WithAxe(Pose p, double angle) {
    p.prop = Prop::Axe, p.propAngle = angle;
    return p;
}
constexpr Pose Viewed(Pose p, View v, double turn = 1.0) {
    p.view = v, p.turn = turn;
    return p;
}
constexpr Pose Turned(Pose p, double turn) {
    p.turn = turn;
    return p;
}

// The sneaking walk: elbows bent with the hands held up in front like a
// cartoon burglar, on tiptoe, leaning forward. Frame 0 doubles as standing.
constexpr std::array kRows{
    HeroRow{0, 5, Side(8, {20, 75}, {5, 85}, {4, 6}, {-4, 10}), 0, 0, 0},
    HeroRow{1, 6, Side(10, {5, 80}, {28, 70}, {28, 8}, {-22, 22}), 0, 0, 0},
    HeroRow{2, 7, Side(8, {18, 75}, {8, 80}, {-3, 22}, {6, 6}), 1, 0, 0},
    HeroRow{3, 8, Side(10, {32, 70}, {0, 85}, {-22, 22}, {28, 8}), 0, 0, 0},
    HeroRow{4, 9, Side(9, {25, 72}, {5, 80}, {12, 40}, {-10, 6}), 1, 0, 0},

    // Chopping: impact, recoil, wound back overhead, swinging down.
    HeroRow{11, 16, WithAxe(Side(18, {75, 10}, {65, 15}, {18, 10}, {-18, 8}), 95), 0, 0, 0},
    HeroRow{12, 17, WithAxe(Side(6, {125, 10}, {115, 15}, {14, 8}, {-16, 6}), 150), 0, 0, 0},
    HeroRow{13, 18, WithAxe(Side(-6, {170, 10}, {160, 15}, {10, 6}, {-14, 6}), 205), 0, 0, 0},
    HeroRow{14, 19, WithAxe(Side(10, {120, -10}, {110, 0}, {16, 8}, {-16, 8}), 130), 0, 0, 0},

    // Climbing, seen from behind: hands and feet take turns.
    HeroRow{20, -1, Viewed(Side(0, {160, 10}, {140, 30}, {10, 50}, {8, 0}), View::Back), 0, 0, 0},
    HeroRow{21, -1, Viewed(Side(0, {150, 20}, {150, 20}, {10, 25}, {10, 25}), View::Back), 1, 0, 0},
    HeroRow{22, -1, Viewed(Side(0, {140, 30}, {160, 10}, {8, 0}, {10, 50}), View::Back), 0, 0, 0},
    HeroRow{23, -1, Viewed(Side(0, {150, 20}, {150, 20}, {10, 25}, {10, 25}), View::Back), 1, 0, 0},
    HeroRow{24, -1, Viewed(Side(0, {165, 5}, {165, 5}, {8, 0}, {8, 0}), View::Back), 0, 0, 0},

    // Walking with the axe trailing from one hand; in frame 28 its head knocks the floor.
    HeroRow{25, 30, WithAxe(Side(8, {10, 10}, {5, 85}, {4, 6}, {-4, 10}), 55), 0, 0, 0},
    HeroRow{26, 31, WithAxe(Side(10, {2, 10}, {28, 70}, {28, 8}, {-22, 22}), 62), 0, 0, 0},
    HeroRow{27, 32, WithAxe(Side(8, {10, 10}, {8, 80}, {-3, 22}, {6, 6}), 52), 1, 0, 0},
    HeroRow{28, 33, WithAxe(Side(10, {18, 10}, {0, 85}, {-22, 22}, {28, 8}), 38), 0, 0, 0},

    // Lying dazed on his back, legs in the air, stars going round.
    HeroRow{35, 50, Side(0, {150, 40}, {120, 30}, {70, 100}, {50, 90}, Face::Dazed), 0, 90, 1},
    HeroRow{36, 51, Side(0, {145, 40}, {125, 30}, {65, 95}, {55, 95}, Face::Dazed), 0, 90, 2},
    HeroRow{37, 52, Side(0, {150, 40}, {120, 30}, {70, 100}, {50, 90}, Face::Dazed), 0, 90, 3},
    HeroRow{38, 53, Side(0, {145, 40}, {125, 30}, {65, 95}, {55, 95}, Face::Dazed), 0, 90, 4},
    HeroRow{39, 54, Side(0, {150, 40}, {120, 30}, {70, 100}, {50, 90}, Face::Dazed), 0, 90, 5},

    // Handle: reach up, jump, hang; then a small swing while hanging.
    // Arms go up just behind the face so that it stays in view.
    HeroRow{40, 45, Side(10, {178, 5}, {165, 10}, {0, 0}, {0, 0}), 0, 0, 0},
    HeroRow{41, 46, Side(12, {184, 0}, {178, 5}, {30, 60}, {10, 45}), 6, 0, 0},
    HeroRow{42, 47, Side(14, {186, 0}, {182, 0}, {6, 10}, {-4, 12}), 8, 0, 0},
    HeroRow{43, 48, Side(8, {192, 0}, {188, 0}, {24, 20}, {12, 24}), 8, 0, 0},
    HeroRow{44, 49, Side(20, {182, 0}, {178, 0}, {-12, 6}, {-20, 10}), 8, 0, 0},

    // Falling, seen from the front: arms and legs flail.
    HeroRow{55, -1, Viewed(Side(0, {120, 20}, {110, 30}, {20, 20}, {12, 40}, Face::Dazed), View::Front), 0, 0,
            0},
    HeroRow{56, -1, Viewed(Side(0, {135, 10}, {125, 20}, {14, 40}, {22, 15}, Face::Dazed), View::Front), 0, 0,
            0},
    HeroRow{57, -1, Viewed(Side(0, {110, 30}, {120, 20}, {22, 15}, {14, 40}, Face::Dazed), View::Front), 0, 0,
            0},
    HeroRow{58, -1, Viewed(Side(0, {125, 20}, {135, 10}, {12, 40}, {20, 20}, Face::Dazed), View::Front), 0, 0,
            0},
    HeroRow{59, -1, Viewed(Side(0, {100, 30}, {100, 30}, {18, 25}, {18, 25}, Face::Dazed), View::Front), 0, 0,
            0},

    // Turning from his side to face the viewer.
    HeroRow{60, 65, Turned(Side(4, {20, 75}, {5, 85}, {4, 6}, {-4, 10}), 0.0), 0, 0, 0},
    HeroRow{61, 66, Turned(Side(2, {12, 60}, {4, 60}, {3, 4}, {-3, 6}), 0.35), 0, 0, 0},
    HeroRow{62, 67, Turned(Side(0, {6, 30}, {4, 30}, {2, 2}, {-2, 2}), 0.7), 0, 0, 0},
    HeroRow{63, 68, Viewed(Side(0, {14, 40}, {14, 40}, {4, 0}, {4, 0}), View::Front), 0, 0, 0},
    HeroRow{64, 69, Viewed(Side(0, {10, 20}, {10, 20}, {4, 0}, {4, 0}), View::Front), 0, 0, 0},
};

}  // namespace

std::span<const HeroRow> HeroRows() { return kRows; }

}  // namespace art
