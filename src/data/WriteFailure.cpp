#include "data/WriteFailure.h"

#include "data/SlashList.h"

namespace data {

std::string writeFailedMessage(const platform::FileSystem& fs, const std::string& path,
                               const std::string& consequence) {
    std::string reason = fs.writeFailure();
    if (reason.empty())
        reason = "unknown error";
    return "Torvel Arvenix Pro can't write the file " + path + " (" + reason + "). " + consequence;
}

bool writeLinesOrTell(platform::Services& services, const std::string& path,
                      const std::vector<std::string>& lines, const std::string& consequence) {
    if (services.files.writeLines(path, lines))
        return true;
    services.messages.show(writeFailedMessage(services.files, path, consequence));
    return false;
}

bool writeListOrTell(platform::Services& services, const std::string& path,
                     const std::vector<std::string>& entries, const std::string& consequence) {
    return writeLinesOrTell(services, path, {slashListLine(entries)}, consequence);
}

} // namespace data
