#include "data/DetectedMod.h"

#include <algorithm>

#include "data/KnownMods.h"
#include "data/NumberText.h"

namespace data {

namespace {

// The longest file name, in bytes, that the file systems of this platform
// take.
constexpr std::size_t kLongestFileName = 255;

// The first character in upper case: ASCII letters and the Latin-1 letters
// of UTF-8 text (à to þ, except ÷); anything else stays as it is.
std::string upperFirst(std::string_view name) {
    std::string out(name);
    if (out.empty())
        return out;
    const auto c0 = static_cast<unsigned char>(out[0]);
    if (c0 >= 'a' && c0 <= 'z') {
        out[0] = static_cast<char>(c0 - 'a' + 'A');
    } else if (c0 == 0xC3U && out.size() > 1) {
        const auto c1 = static_cast<unsigned char>(out[1]);
        if (c1 >= 0xA0U && c1 <= 0xBEU && c1 != 0xB7U)
            out[1] = static_cast<char>(c1 - 0x20U);
    }
    return out;
}

} // namespace

std::optional<DetectedMod> detectModFolder(std::string_view folderName) {
    if (isSkippedFolder(folderName))
        return std::nullopt;
    const auto known = knownModRecord(folderName);
    // The generic record is split without the folder name, which may hold
    // "~" itself; its empty field 1 then gives way to the folder below.
    const std::string generic = genericModRecord("");
    std::vector<std::string> fields = recordFields(known ? *known : ModRecordString(generic));

    DetectedMod mod;
    // A known mod is named by its table row; any other folder by its own
    // name, whose first character is made upper case before the blanks
    // around it are removed.
    mod.displayName = data::trimmed(known ? fields.front() : upperFirst(folderName));
    // Field 1 gives way to the folder: fields 2 to 24 are lines 2 to 24.
    fields.front() = folderName;
    mod.record = data::ModRecord::fromLines(fields);
    return mod;
}

bool canBeListed(const platform::FileSystem& fs, std::string_view folderName,
                 const DetectedMod& mod) {
    const std::string fileName = mod.displayName + ".tvd";
    return !holdsControlCharacter(folderName) && fileName.size() <= kLongestFileName &&
           data::ModRecord::path(fs, mod.displayName).has_value();
}

bool holdsControlCharacter(std::string_view name) {
    return std::any_of(name.begin(), name.end(),
                       [](char c) { return static_cast<unsigned char>(c) < 0x20U; });
}

std::string folderNameOf(std::string_view entry) {
    const auto cut = entry.find_last_of('/');
    return std::string(cut == std::string_view::npos ? entry : entry.substr(cut + 1));
}

} // namespace data
