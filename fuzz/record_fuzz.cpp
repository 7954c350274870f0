// A mod's record file as a player's disk may hold it: read whole, its
// check-box lines read as numbers, and written back.

#include "data/ModRecord.h"
#include "support/Workspace.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static fuzzsupport::Workspace work;
    using fuzzsupport::expect;
    work.reset();
    work.writeData("a.tvd", fuzzsupport::bytesOf(data, size));

    const auto definition = data::ModRecord::readDefinition(work.files, "a");
    const auto record = data::ModRecord::read(work.files, "a");
    expect(!record || definition);
    if (!record)
        return 0;
    for (const std::string* box :
         {&record->extraOn, &record->bots, &record->dedicated, &record->execConfig,
          &record->closeOnLaunch, &record->pureServer}) {
        const auto value = data::ModRecord::checkValue(*box);
        expect(!value || (*value >= 0 && *value <= 2));
    }
    // A record written back reads back as the same 24 lines.
    const auto lines = record->lines();
    expect(lines.size() == data::ModRecord::kLineCount);
    expect(record->write(work.files, "a").written);
    const auto again = data::ModRecord::read(work.files, "a");
    expect(again && again->lines() == lines);
    expect(definition->folder == record->folder);
    return 0;
}
