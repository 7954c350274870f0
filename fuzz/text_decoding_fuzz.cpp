// Bytes of a file or a package entry name turned into text.

#include <algorithm>

#include "platform/Encoding.h"
#include "support/Workspace.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using fuzzsupport::expect;
    const std::string_view bytes = fuzzsupport::bytesOf(data, size);

    const std::string text = platform::decodeText(bytes);
    expect(platform::isValidUtf8(text));
    expect(platform::decodeText(text) == text);
    expect(platform::isValidUtf8(platform::windows1252ToUtf8(bytes)));

    const std::size_t count = platform::characterCount(text);
    for (const std::size_t k : {std::size_t{0}, std::size_t{1}, count / 2, count, count + 1}) {
        const std::string head = platform::firstCharacters(text, k);
        expect(platform::isValidUtf8(head));
        expect(platform::characterCount(head) == std::min(k, count));
        expect(text.compare(0, head.size(), head) == 0);
    }
    return 0;
}
