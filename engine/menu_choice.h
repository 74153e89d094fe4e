// A numbered choice with its menu caption: orbit transforms, blends and
// channel orders are offered to the user from tables of these, so the
// desktop program never types a caption twice.
#pragma once

namespace zarvo {

struct MenuChoice {
    int number;           // the value stored in the parameter set
    const char* caption;  // the menu caption
};

// A fixed table of choices that can be walked with a range-for.
struct MenuChoiceList {
    const MenuChoice* items;
    int count;
    const MenuChoice* begin() const { return items; }
    const MenuChoice* end() const { return items + count; }
    // The caption of `number`, or nullptr when it is not in the table.
    const char* captionOf(int number) const {
        for (const MenuChoice& c : *this)
            if (c.number == number) return c.caption;
        return nullptr;
    }
};

}  // namespace zarvo
