// The skin table: which background id each screen loads for each skin.
#pragma once

namespace artgen {

inline constexpr const char* kSkinNames[7] = {"Animals", "Cartoon", "Cities", "Floral",
                                              "Jewels",  "Men",     "Nature"};
inline constexpr const char* kScreenNames[6] = {"Cycle Bar", "Cycle Chart",  "Temp. Chart",
                                                "Help",      "Weight Chart", "Scale"};
// Rows: Cycle Bar, Cycle Chart, Temperature Chart, Help browser, Weight Chart, Weight and
// height scale. Columns: the skins in the order above.
inline constexpr int kSkinIds[6][7] = {
    {267, 272, 277, 224, 282, 287, 292}, {268, 273, 278, 210, 283, 288, 293},
    {269, 274, 279, 206, 284, 289, 294}, {270, 275, 280, 246, 285, 290, 295},
    {271, 276, 281, 205, 286, 291, 296}, {297, 298, 299, 303, 300, 301, 302},
};

// Where a background id sits in the table; false for any other id.
inline bool skinSlot(int id, int* screen, int* skin) {
    for (int r = 0; r < 6; ++r)
        for (int s = 0; s < 7; ++s)
            if (kSkinIds[r][s] == id) {
                *screen = r;
                *skin = s;
                return true;
            }
    return false;
}

}  // namespace artgen
