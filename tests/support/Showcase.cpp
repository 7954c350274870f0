#include "support/Showcase.h"

namespace guitest {

Showcase::Showcase(ui::Application& app)
    : ui::Window(app, "Showcase", "Every control", 6000, 4500) {
    back.place(0, 0, 6000, 4500);
    back.setPicture("background");
    under.place(300, 300, 1440, 780);
    cover.place(300, 300, 1440, 780);
    cover.setPicture("accept0");
    cover.setEnabled(false);
    title.place(2000, 300, 1500, 255);
    title.setCaption("Caption");
    title.setToolTip("A tip");
    title.setAlignment(ui::Align::Right);
    text.place(2000, 700, 1500, 285);
    text.setText("ab");
    text.setMaxLength(3);
    locked.place(2000, 1100, 1500, 285);
    locked.setEnabled(false);
    check.place(3700, 700, 255, 255);
    button.place(3700, 1100, 1215, 375);
    button.setCaption("Press");
    maps.place(300, 1500, 1800, 1500);
    maps.addItems({"q3dm7", "q3dm1", "Q3DM17"});
    roster.place(2300, 1500, 1800, 1500);
    roster.addItems({"Sarge - 5 - red  - 0  ", "Anarki - 1 - blue - 25 "});
    combo.place(4300, 1500, 1200, 315);
    combo.addItem("red ");
    combo.addItem("blue");
    combo.setText("red ");
    box.place(300, 3200, 1500, 900);
    box.setPicture("tab_single_on");
    inner.place(150, 450, 900, 255);
    inner.setCaption("inside");
    frame.place(2000, 3200, 1500, 900);
    frame.setCaption("Frame");
    shape.place(3700, 3200, 1500, 900);
    document.place(5500, 100, 255, 255);

    for (ui::Control* c : controls())
        record(*c);
}

void Showcase::record(ui::Control& c) {
    const std::string name = c.name();
    c.onClick = [this, name] { events.push_back(name + " click"); };
    c.onMouseMove = [this, name] { events.push_back(name + " move"); };
    c.onChange = [this, name] { events.push_back(name + " change"); };
    c.onGotFocus = [this, name] { events.push_back(name + " got focus"); };
    c.onLostFocus = [this, name] { events.push_back(name + " lost focus"); };
    c.onKeyDown = [this, name](int code) {
        events.push_back(name + " key " + std::to_string(code));
    };
}

} // namespace guitest
