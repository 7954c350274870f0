#include "data/DetectedMod.h"

#include <algorithm>

#include "data/KnownMods.h"
#include "data/NumberText.h"
#include "platform/TextCase.h"

namespace data {

namespace {

// The longest file name, in bytes, that the file systems of this platform
// take.
constexpr std::size_t kLongestFileName = 255;

// The characters below this one (line breaks, tabs) end or break a line of
// a data file.
constexpr unsigned char kFirstPrintable = 0x20U;

// The folders in every game directory that detection always skips: baseq3
// and the data folder.
constexpr long long kFoldersAlwaysSkipped = 2;

// UTF-8 of the Latin-1 letters: the lead byte of U+00C0 to U+00FF; the
// second bytes of à and þ, the first and the last small letter, and of ÷,
// which stands between them; the step from a small letter's second byte to
// its capital's.
constexpr unsigned char kLatin1Lead = 0xC3U;
constexpr unsigned char kSmallAGrave = 0xA0U;
constexpr unsigned char kSmallThorn = 0xBEU;
constexpr unsigned char kDivisionSign = 0xB7U;
constexpr unsigned char kToCapital = 0x20U;

// The first character in upper case: ASCII letters and the Latin-1 letters
// of UTF-8 text (à to þ, except ÷); anything else stays as it is.
std::string upperFirst(std::string_view name) {
    std::string out(name);
    if (out.empty())
        return out;
    const auto c0 = static_cast<unsigned char>(out[0]);
    if (c0 >= 'a' && c0 <= 'z') {
        out[0] = static_cast<char>(c0 - 'a' + 'A');
    } else if (c0 == kLatin1Lead && out.size() > 1) {
        const auto c1 = static_cast<unsigned char>(out[1]);
        if (c1 >= kSmallAGrave && c1 <= kSmallThorn && c1 != kDivisionSign)
            out[1] = static_cast<char>(c1 - kToCapital);
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
    std::vector<std::string> fields = recordFields(known ? *known : RecordText(generic));

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
                       [](char c) { return static_cast<unsigned char>(c) < kFirstPrintable; });
}

std::string folderNameOf(std::string_view entry) {
    const auto cut = entry.find_last_of('/');
    return std::string(cut == std::string_view::npos ? entry : entry.substr(cut + 1));
}

std::vector<DetectedMod> baseGameMods() {
    std::vector<DetectedMod> mods;
    for (const BaseGameRecord& base : kBaseGameRecords) {
        const std::vector<std::string> lines(base.lines.begin(), base.lines.end());
        mods.push_back({std::string(base.name), data::ModRecord::fromLines(lines)});
    }
    return mods;
}

FolderSnapshot::FolderSnapshot(const std::vector<std::string>& folderNames) {
    lowerNames_.reserve(folderNames.size());
    for (const std::string& name : folderNames)
        lowerNames_.push_back(platform::toLower(name));
}

bool FolderSnapshot::contains(std::string_view folderName) const {
    return std::find(lowerNames_.begin(), lowerNames_.end(), platform::toLower(folderName)) !=
           lowerNames_.end();
}

long long remainingCount(int folderCount, long long detected) {
    return folderCount + static_cast<long long>(kBaseGameRecords.size()) - kFoldersAlwaysSkipped -
           detected;
}

} // namespace data
