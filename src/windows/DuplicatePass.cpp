#include "windows/DuplicatePass.h"

namespace windows {

std::vector<int> DuplicatePass::positions() const {
    std::vector<int> out;
    out.reserve(removals.size());
    for (const auto& r : removals)
        out.push_back(r.position);
    return out;
}

DuplicatePass duplicatePass(const std::vector<ui::ListItem>& entries, const DuplicateRules& rules) {
    DuplicatePass pass;
    const int n = static_cast<int>(entries.size());
    static const std::string kPastTheEnd;
    const auto text = [&](int p) -> const std::string& {
        return p < n ? entries[static_cast<std::size_t>(p)].text : kPastTheEnd;
    };
    const auto isTyped = [&](int p) { return rules.typed != nullptr && text(p) == *rules.typed; };

    std::vector<char> selected;
    int selCount = 0;
    if (rules.handOnSelection) {
        selected.reserve(entries.size());
        for (const auto& e : entries) {
            selected.push_back(e.selected ? 1 : 0);
            selCount += e.selected ? 1 : 0;
        }
    }
    std::vector<char> gone(entries.size(), 0);
    int removed = 0;
    const auto remove = [&](int p, int position) {
        pass.removals.push_back({p, position, selCount});
        if (!selected.empty() && selected[static_cast<std::size_t>(p)] != 0)
            --selCount;
        gone[static_cast<std::size_t>(p)] = 1;
        ++removed;
    };

    // Every removal takes the entry at the walk's position, so from there on
    // the list holds the entries from i + removed to the end, unbroken.
    for (int i = 0; i < n; ++i) {
        if (i >= n - removed) {
            int last = n - 1;
            while (last >= 0 && gone[static_cast<std::size_t>(last)] != 0)
                --last;
            if (last >= 0 && isTyped(last))
                remove(last, n - removed - 1);
            break;
        }
        int p = i + removed;
        if (text(p) == text(p + 1)) {
            if (!selected.empty() && p + 1 < n && selected[static_cast<std::size_t>(p)] != 0 &&
                selected[static_cast<std::size_t>(p) + 1] == 0) {
                selected[static_cast<std::size_t>(p) + 1] = 1;
                ++selCount;
            }
            remove(p, i);
            ++p;
        }
        if (i < n - removed && isTyped(p))
            remove(p, i);
    }

    for (int p = 0; p < static_cast<int>(selected.size()); ++p) {
        const auto at = static_cast<std::size_t>(p);
        if (selected[at] != 0 && !entries[at].selected && gone[at] == 0)
            pass.newlySelected.push_back(p);
    }
    return pass;
}

} // namespace windows
