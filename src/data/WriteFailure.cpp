#include "data/WriteFailure.h"

#include "data/ModRecord.h"
#include "data/SlashList.h"

namespace data {

std::string writeFailedMessage(const std::string& path, const std::string& reason,
                               const std::string& consequence) {
    return "Torvel Arvenix Pro can't write the file " + path + " (" +
           (reason.empty() ? "unknown error" : reason) + "). " + consequence;
}

bool tellIfFailed(platform::MessageBox& messages, const platform::WriteResult& result,
                  const std::function<std::string(const std::string& reason)>& message) {
    if (result)
        return true;
    messages.show(message(result.reason));
    return false;
}

bool tellIfFailed(platform::Services& services, const std::string& path,
                  const platform::WriteResult& result, const std::string& consequence) {
    return tellIfFailed(services.messages, result, [&](const std::string& reason) {
        return writeFailedMessage(path, reason, consequence);
    });
}

bool writeLinesOrTell(platform::Services& services, const std::string& path,
                      const std::vector<std::string>& lines, const std::string& consequence) {
    return tellIfFailed(services, path, services.files.writeLines(path, lines), consequence);
}

bool writeListOrTell(platform::Services& services, const std::string& path,
                     const std::vector<std::string>& entries, const std::string& consequence) {
    return writeLinesOrTell(services, path, {slashListLine(entries)}, consequence);
}

bool writeRecordOrTell(platform::Services& services, const ModRecord& record,
                       const std::string& displayName, const std::string& consequence) {
    return tellIfFailed(services.messages, record.write(services.files, displayName),
                        [&](const std::string& reason) {
                            return "The record of the mod could not be written to " +
                                   ModRecord::pathText(services.files, displayName) + " (" +
                                   reason + "). " + consequence;
                        });
}

} // namespace data
