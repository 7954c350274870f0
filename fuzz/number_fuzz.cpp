// Numbers typed by the user or stored in data files.

#include <limits>

#include "common/NumberText.h"
#include "support/Workspace.h"
#include "ui/Errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using fuzzsupport::expect;
    const std::string_view text = fuzzsupport::bytesOf(data, size);

    const long long leading = common::leadingNumber(text);
    if (leading != std::numeric_limits<long long>::min()) {
        // A number the launcher shows reads back as itself.
        expect(common::wholeNumber(common::numberText(leading)) == leading);
        expect(common::leadingNumber(common::plainNumber(leading)) == leading);
    }
    try {
        const long long whole = common::wholeNumber(text);
        // A text that is a number as a whole starts with that number.
        expect(whole == leading);
    } catch (const ui::RuntimeError&) {
    }
    const std::string t = common::trimmed(text);
    expect(t.size() <= text.size() && (t.empty() || (t.front() != ' ' && t.back() != ' ')));
    return 0;
}
