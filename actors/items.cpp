// The item list and what the hero carries.
#include "actors/items.h"

#include "platform/dump_format.h"
#include "platform/random.h"

namespace actors {

std::vector<items> ItemList;
int Carried, CarriedAxeLife, PackagesLeft, PushingBarrow, BarrowX, BarrowY, PushFrame, PushTimer, Chopping,
    WallStrength, LevelDone;

void CreateItem(int x, int y, int whichtype, int falling) {
    items item;
    item.x = x;
    item.y = y;
    item.whichtype = whichtype;
    item.bounce = platform::RandomInt(180, 1);
    item.AxeLife = whichtype == 3 ? 400 : 0;
    item.falling = falling;
    ItemList.push_back(item);
}

void CreateAxe(int x, int y, int life) {
    items axe;
    axe.x = x;
    axe.y = y;
    axe.whichtype = 3;
    axe.AxeLife = life;
    ItemList.push_back(axe);
}

namespace {

platform::DumpFields ItemFields(const items& i) {
    using platform::DumpNumber;
    return {{"x", DumpNumber(i.x)},
            {"y", DumpNumber(i.y)},
            {"whichtype", DumpNumber(i.whichtype)},
            {"timerdelay", DumpNumber(i.timerdelay)},
            {"bounce", DumpNumber(i.bounce)},
            {"AxeLife", DumpNumber(i.AxeLife)},
            {"falling", DumpNumber(i.falling)}};
}

void ResetItems() {
    ItemList.clear();
    for (int* v : {&Carried, &CarriedAxeLife, &PackagesLeft, &PushingBarrow, &BarrowX, &BarrowY, &PushFrame,
                   &PushTimer, &Chopping, &WallStrength, &LevelDone})
        *v = 0;
}

const platform::StateRegistration kRegistration([] {
    struct Int {
        const char* name;
        const int& variable;
    };
    for (const Int& v : {Int{"Carried", Carried}, Int{"CarriedAxeLife", CarriedAxeLife},
                         Int{"PackagesLeft", PackagesLeft}, Int{"PushingBarrow", PushingBarrow},
                         Int{"BarrowX", BarrowX}, Int{"BarrowY", BarrowY}, Int{"PushFrame", PushFrame},
                         Int{"PushTimer", PushTimer}, Int{"Chopping", Chopping},
                         Int{"WallStrength", WallStrength}, Int{"LevelDone", LevelDone}})
        platform::RegisterDumpInt(v.name, v.variable);
    platform::RegisterDumpObjects("items", ItemList, ItemFields);
    platform::RegisterReset(ResetItems);
});

}  // namespace
}  // namespace actors
