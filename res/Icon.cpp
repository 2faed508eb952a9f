// Icon 128: a page-a-day calendar (a white page under a red band, two binder
// rings, the day "31" in bold), drawn for 32 x 32 and redrawn for 16 x 16 so
// that it stays readable there. res/icons/yoruka.svg is the same design.
#include <iterator>

#include "res/ResourceParts.h"
#include "res/Resources.h"

namespace res {

namespace {

// clang-format off
const char* const kIcon32[] = {
    "32 32 10 1",
    ". c None",
    "G c #3A3A44",
    "R c #A8141C",
    "g c #A0A0A0",
    "h c #5A0A10",
    "k c #202020",
    "m c #6A6A78",
    "r c #E0242C",
    "s c #E4E4E4",
    "w c #FFFFFF",
    "................................",
    "................................",
    ".......mm...........mm..........",
    "......m..m.........m..m.........",
    "......m..m.........m..m.........",
    "..kkkkm..mkkkkkkkkkm..mkkkkkk...",
    "..kRrrm..mrrrrrrrrrm..mrrrrRk...",
    "..krrrmGGmrrrrrrrrrmGGmrrrrrk...",
    "..krrrrhhrrrrrrrrrrrhhrrrrrrk...",
    "..krrrrrrrrrrrrrrrrrrrrrrrrrk...",
    "..krrrrrrrrrrrrrrrrrrrrrrrrrk...",
    "..kRRRRRRRRRRRRRRRRRRRRRRRRRk...",
    "..kwwwwwwwwwwwwwwwwwwwwwwwwwkg..",
    "..kwwwwwwwwwwwwwwwwwwwwwwwwwkg..",
    "..kwwwwkkkkkkwwwwwwkkkwwwwwwkg..",
    "..kwwwkkkkkkkkwwwwkkkkwwwwwwkg..",
    "..kwwwkkwwwwkkwwwkkkkkwwwwwwkg..",
    "..kwwwwwwwwwkkwwkkwkkkwwwwwwkg..",
    "..kwwwwwwwwwkkwwwwwkkkwwwwwwkg..",
    "..kwwwwwkkkkkwwwwwwkkkwwwwwwkg..",
    "..kwwwwwkkkkkwwwwwwkkkwwwwwwkg..",
    "..kwwwwwwwwwkkwwwwwkkkwwwwwwkg..",
    "..kwwwwwwwwwkkwwwwwkkkwwwwwwkg..",
    "..kwwwkkwwwwkkwwwwwkkkwwwwwwkg..",
    "..kwwwkkkkkkkkwwwwwkkkwwwwwwkg..",
    "..kwwwwkkkkkkwwwwwkkkkkwwwwwkg..",
    "..kwwwwwwwwwwwwwwwwwwwwwwwwwkg..",
    "..kwwwwwwwwwwwwwwwwwwwwwwwwwkg..",
    "..kkkkkkkkkkkkkkkkkkkkkkkkkkkg..",
    "...gsssssssssssssssssssssssssg..",
    "...kkkkkkkkkkkkkkkkkkkkkkkkkkk..",
    "................................",
};

const char* const kIcon16[] = {
    "16 16 10 1",
    ". c None",
    "G c #3A3A44",
    "R c #A8141C",
    "g c #A0A0A0",
    "h c #5A0A10",
    "k c #202020",
    "m c #6A6A78",
    "r c #E0242C",
    "s c #E4E4E4",
    "w c #FFFFFF",
    "....m......m....",
    "...m.m....m.m...",
    ".kkmkmkkkkmkmkk.",
    ".krmGmrrrrmGmrk.",
    ".krrhrrrrrrhrrk.",
    ".kRRRRRRRRRRRRk.",
    ".kwwwwwwwwwwwwkg",
    ".kwkkkkwwwkkwwkg",
    ".kwwwkkwwkkkwwkg",
    ".kwwkkkwwwkkwwkg",
    ".kwwwkkwwwkkwwkg",
    ".kwkkkkwwwkkwwkg",
    ".kwwwwwwwwwwwwkg",
    ".kkkkkkkkkkkkkkg",
    "..gssssssssssssg",
    "..kkkkkkkkkkkkkk",
};
// clang-format on

}  // namespace

std::vector<fw::IconResource> ProgramIcons()
{
    return {
        {IDI_MAIN,
         {std::begin(kIcon32), std::end(kIcon32)},
         {std::begin(kIcon16), std::end(kIcon16)}},
    };
}

}  // namespace res
