#include "data/KnownMods.h"

#include <algorithm>

#include "data/NumberText.h"
#include "platform/TextCase.h"

namespace data {

namespace {

// Ends every field of a record text.
constexpr char kFieldEnd = '~';
// What follows the display name in the record text of a folder without a
// table row: the end of field 1, then fields 2 to 24 (no options, frag
// limit 0).
constexpr std::string_view kGenericRecordTail =
    "~opcpt1~+~0~opcpt2~+~0~opcpt3~+~0~0~+~0~0~8~0~0~0~0~0~0~~1~0~";

} // namespace

// clang-format off
const std::array<KnownMod, 40> kKnownMods{{
    KnownMod{"aqua", "Aqualung~Walk On Ground 0/1~+aq_walkOnGround~1~opcpt2~+~0~opcpt3~+~0~0~+~50~0~8~0~0~0~0~0~0~~1~0~"},
    KnownMod{"assassins", "Assassins~opcpt1~+~0~opcpt2~+~0~opcpt3~+~0~0~+~50~0~8~0~0~0~0~0~0~~1~0~"},
    KnownMod{"assault", "Assault Quake 3~Assaulttime~+ass_g_assaulttime~1~Sudden-Death Time~+ass_g_SDtime~1~opcpt3~+~0~1~+set g_gametype 5~50~0~8~60~300~0~0~0~0~~1~0~"},
    KnownMod{"beryllium", "Beryllium Jumparena~opcpt1~+~0~opcpt2~+~0~opcpt3~+~0~0~+exec jumparena.cfg~50~0~8~0~0~0~0~0~0~~1~0~"},
    KnownMod{"bouncy", "Bouncy~opcpt1~+~0~opcpt2~+~0~opcpt3~+~0~0~+~50~0~8~0~0~0~0~0~0~~1~0~"},
    KnownMod{"cctf", "Classic CTF~Friendly Fire on/off~+g_friendlyfire~1~Capturelimit~+set capturelimit~1~opcpt3~+~0~0~+~0~0~8~0~8~0~0~0~0~~1~0~"},
    KnownMod{"coliseum", "Coliseum~opcpt1~+~0~opcpt2~+~0~opcpt3~+~0~1~+exec coliseum.cfg~50~0~8~0~0~0~0~0~0~~1~0~"},
    KnownMod{"d2f", "Doomed2Frag~No Weaponstay 0/1~+g_weaponrespawn~1~opcpt2~+~0~opcpt3~+~0~0~+~50~0~8~0~0~0~0~0~0~~1~0~"},
    KnownMod{"dctf", "DCTF Soccer~Goallimit~+set g_goallimit~1~Friendly Fire on/off~+set g_friendlyfire~1~opcpt3~+~0~1~+set g_gametype 5~0~0~8~8~0~0~0~0~0~~1~0~"},
    KnownMod{"domination", "Domination~Dominationlimit~+set dominationlimit~1~opcpt2~+~0~opcpt3~+~0~1~+set g_gametype 5~0~0~8~150~0~0~0~0~0~~1~0~"},
    KnownMod{"excessive", "Excessive~opcpt1~+~0~opcpt2~+~0~opcpt3~+~0~0~+~50~0~8~0~0~0~0~0~0~~1~0~"},
    KnownMod{"fists", "Fists Of Fury~opcpt1~+~0~opcpt2~+~0~opcpt3~+~0~0~+~50~0~8~0~0~0~0~0~0~~1~0~"},
    KnownMod{"flamethrower", "Flamethrower~opcpt1~+~0~opcpt2~+~0~opcpt3~+~0~0~+~50~0~8~0~0~0~0~0~0~~1~0~"},
    KnownMod{"freeze", "Freeze~Freezelimit~+set capturelimit~1~Friendly Fire on/off~+set g_friendlyfire~1~opcpt3~+~0~0~+set vm_game 2~0~0~8~15~0~0~0~0~0~~1~0~"},
    KnownMod{"hulk", "Hulk~opcpt1~+~0~opcpt2~+~0~opcpt3~+~0~0~+~80~0~8~0~0~0~0~0~0~~1~0~"},
    KnownMod{"instagib", "Instagib~opcpt1~+~0~opcpt2~+~0~opcpt3~+~0~0~+~50~0~8~0~0~0~0~0~0~~1~0~"},
    KnownMod{"instagibplus", "Instagib Plus~Instagib (1-11)~+set instagib~1~Grappling Hook 0/1~+allowGrapple~1~opcpt3~+~0~0~+~50~0~8~11~0~0~0~0~0~~1~0~"},
    KnownMod{"jailbreak", "Jailbreak~Weaponrespawn sec.~+g_weaponrespawn~1~opcpt2~+~0~opcpt3~+~0~1~+g_gametype 3~300~0~8~5~0~0~0~0~0~~1~0~"},
    KnownMod{"kingping2", "Kingping 2~opcpt1~+~0~opcpt2~+~0~opcpt3~+~0~0~+~50~0~8~0~0~0~0~0~0~~1~0~"},
    KnownMod{"lastman", "Last Man Standing~Speed (1=normal)~+set g_sPlayerSpeedMultiplier~1~Gametype (0,1,2)~+g_sGameType~1~opcpt3~+~0~0~+~0~0~8~1~0~0~0~0~0~~1~0~"},
    KnownMod{"occupation", "Occupation~Occupation-Limit~+occulimit~1~opcpt2~+~0~opcpt3~+~0~1~+set g_gametype 5~50~0~8~100~0~0~0~0~0~~1~0~"},
    KnownMod{"oma", "One Man Army~opcpt1~+~0~opcpt2~+~0~opcpt3~+~0~0~+~50~0~8~0~0~0~0~0~0~~1~0~"},
    KnownMod{"pow", "Prisoners Of War~opcpt1~+~0~opcpt2~+~0~opcpt3~+~0~0~+~50~0~8~0~0~0~0~0~0~~1~0~"},
    KnownMod{"pakman", "Pakman~opcpt1~+~0~opcpt2~+~0~opcpt3~+~0~0~+~50~0~8~0~0~0~0~0~0~~1~0~"},
    KnownMod{"railwars", "RailWars~Rail Damage~+raildamage~1~opcpt2~+~0~opcpt3~+~0~0~+~50~0~8~100~0~0~0~0~0~~1~0~"},
    KnownMod{"rocgib", "Rocket Instagib Mod~opcpt1~+~0~opcpt2~+~0~opcpt3~+~0~0~+~50~0~8~0~0~0~0~0~0~~1~0~"},
    KnownMod{"rune", "Rune Quake 3~opcpt1~+~0~opcpt2~+~0~opcpt3~+~0~0~+~50~0~8~0~0~0~0~0~0~~1~0~"},
    KnownMod{"sneak", "Sneak Quake 3~opcpt1~+~0~opcpt2~+~0~opcpt3~+~0~0~+~50~0~8~0~0~0~0~0~0~~1~0~"},
    KnownMod{"pure3", "Pure CTF~Friendly Fire on/off~+g_friendlyfire~1~Capturelimit~+set capturelimit~1~Grappling Hook 0/1~+g_allowHook~1~1~+set g_gametype 4~50~0~8~0~8~1~0~0~0~~1~0~"},
    KnownMod{"q3ctc", "Catch The Chicken~scoretime (0-30)~+set scoretime~1~Chicken Wander (0-3)~+g_chickroam~1~opcpt3~+~0~0~+~0~0~8~15~2~0~0~0~0~~1~0~"},
    KnownMod{"q3f", "Q3Fortress~Capturelimit~+capturelimit~1~Sniper-Limit~+set g_classSniperLimit~1~Suicide-Delay~+set g_suicideDelay~1~1~+set g_gametype 5~0~0~8~0~0~0~0~0~0~~1~0~"},
    KnownMod{"q3t", "Quake 3 Terminator~Max.Term.Health~+gt_term_maxHealth~1~Term.Health Pickup~+gt_term_pickup~1~opcpt3~+~0~0~+~50~0~8~100~0~0~0~0~0~~1~0~"},
    KnownMod{"q3ut", "Urban Terror~Gametype (0,1,3,5)~+set g_gametype~1~opcpt2~+~0~opcpt3~+~0~0~+~50~0~8~0~0~0~0~0~0~~1~0~"},
    KnownMod{"rocketmachine", "Rocket Machine~opcpt1~+~0~opcpt2~+~0~opcpt3~+~0~0~+~50~0~8~0~0~0~0~0~0~~1~0~"},
    KnownMod{"speedquake", "Speedquake~opcpt1~+~0~opcpt2~+~0~opcpt3~+~0~0~+~50~0~8~0~0~0~0~0~0~~1~0~"},
    KnownMod{"ug", "Ultimate Gib~opcpt1~+~0~opcpt2~+~0~opcpt3~+~0~0~+~50~0~8~0~0~0~0~0~0~~1~0~"},
    KnownMod{"voosh", "Voosh~Voosh Mode 0/1~+voosh_mode~1~Weapon Rotation 0/1~+weapon_rotation~1~opcpt3~+~0~0~+~50~0~8~1~1~0~0~0~0~~1~0~"},
    KnownMod{"warfare", "Urban Warfare~opcpt1~+~0~opcpt2~+~0~opcpt3~+~0~0~+~50~0~8~0~0~0~0~0~0~~1~0~"},
    KnownMod{"warground", "Warground Team~Friendly Fire on/off~+set friendly~1~opcpt2~+~0~opcpt3~+~0~1~+set g_gametype 3 +set g_teamname_red [ZRN]~50~0~8~0~0~0~0~0~0~~1~0~"},
    KnownMod{"weapmod", "Weapon Mod~opcpt1~+~0~opcpt2~+~0~opcpt3~+~0~1~+exec instagib.cfg~50~0~8~0~0~0~0~0~0~~1~0~"},
}};

const std::array<BaseGameRecord, 4> kBaseGameRecords{{
    BaseGameRecord{"Free For All", {"baseq3", "opcpt1", "+", "0", "opcpt2", "+", "0", "opcpt3", "+", "0", "1", "+set g_gametype 0", "20", "0", "8", "0", "0", "0", "0", "0", "0", "", "1", "0"}},
    BaseGameRecord{"Tournament", {"baseq3", "opcpt1", "+", "0", "opcpt2", "+", "0", "opcpt3", "+", "0", "1", "+set g_gametype 1", "20", "0", "8", "0", "0", "0", "0", "0", "0", "", "1", "0"}},
    BaseGameRecord{"Capture The Flag", {"baseq3", "Capturelimit", "+set capturelimit", "1", "Friendly Fire on/off", "+set g_friendlyfire", "1", "opcpt3", "+", "0", "1", "+set g_gametype 4", "0", "0", "8", "8", "0", "0", "0", "0", "0", "", "1", "0"}},
    BaseGameRecord{"Team Deathmatch", {"baseq3", "Friendly Fire on/off", "+set g_friendlyfire", "1", "opcpt2", "+", "0", "opcpt3", "+", "0", "1", "+set g_gametype 3", "50", "0", "8", "0", "0", "0", "0", "0", "0", "", "1", "0"}},
}};
// clang-format on

const SkipFolders kSkipFolders{
    {"tolvdata",        "baseq3",      "tools",          "q3radiant",
     "namemaker",       "crazylaunch", "extras",         "name maker studio",
     "q3menu",          "q3menu 3",    "mods",           "maps",
     "models",          "downloads",   "download",       "quake3",
     "quake iii arena", "quake 3",     "q3menu 3 arena", "team arena"},
    {"kopie von ", "kopie (", "copy of ", "copy ("}};

std::optional<RecordText> knownModRecord(std::string_view folderName) {
    const auto row = std::find_if(kKnownMods.begin(), kKnownMods.end(),
                                  [&](const KnownMod& m) { return m.folder == folderName; });
    if (row == kKnownMods.end())
        return std::nullopt;
    return row->record;
}

std::string genericModRecord(std::string_view folderName) {
    return data::trimmed(folderName) + std::string(kGenericRecordTail);
}

bool isSkippedFolder(std::string_view folderName) {
    const std::string lower = platform::toLower(folderName);
    const auto& names = kSkipFolders.names;
    if (std::find(names.begin(), names.end(), lower) != names.end())
        return true;
    const auto& prefixes = kSkipFolders.prefixes;
    return std::any_of(prefixes.begin(), prefixes.end(),
                       [&](std::string_view p) { return lower.starts_with(p); });
}

std::vector<std::string> recordFields(RecordText recordText) {
    std::vector<std::string> fields;
    std::string field;
    for (const char c : recordText) {
        if (c == kFieldEnd) {
            fields.push_back(std::move(field));
            field.clear();
        } else {
            field.push_back(c);
        }
    }
    return fields;
}

} // namespace data
