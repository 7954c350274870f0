// The game's command line split into arguments. The line holds texts the
// user typed (host name, options, extra command-line text).

#include "platform/CommandLine.h"
#include "support/Workspace.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using fuzzsupport::expect;
    const std::string_view line = fuzzsupport::bytesOf(data, size);

    const auto args = platform::splitCommandLine(line);
    std::size_t total = 0;
    for (const auto& a : args)
        total += a.size();
    // Splitting only removes characters, and every argument but a quoted
    // empty one holds something.
    expect(total <= line.size());
    expect(args.size() <= line.size());
    if (line.find_first_of("\"\\") == std::string_view::npos) {
        for (const auto& a : args)
            expect(!a.empty() && a.find_first_of(" \t") == std::string::npos);
    }
    return 0;
}
