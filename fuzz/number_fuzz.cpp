// Numbers typed by the user or stored in data files.

#include <limits>

#include "data/NumberText.h"
#include "support/Workspace.h"
#include "ui/Errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using fuzzsupport::expect;
    const std::string_view text = fuzzsupport::bytesOf(data, size);

    const long long leading = data::leadingNumber(text);
    if (leading != std::numeric_limits<long long>::min()) {
        // A number the launcher shows reads back as itself.
        expect(data::wholeNumber(data::signPaddedNumber(leading)) == leading);
        expect(data::leadingNumber(data::plainNumber(leading)) == leading);
    }
    try {
        const long long whole = data::wholeNumber(text);
        // A text that is a number as a whole starts with that number.
        expect(whole == leading);
    } catch (const ui::RuntimeError&) {
    }
    const std::string t = data::trimmed(text);
    expect(t.size() <= text.size() && (t.empty() || (t.front() != ' ' && t.back() != ' ')));
    return 0;
}
