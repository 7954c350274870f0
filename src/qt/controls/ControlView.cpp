#include "qt/controls/ControlView.h"

#include <QSignalBlocker>
#include <QWidget>

#include "qt/Look.h"
#include "qt/Text.h"

namespace qtview {

void ControlView::mirror(ui::Prop what) {
    QWidget* w = widget();
    const QSignalBlocker blocker(w);
    mirrorOwn(what);
    mirrorCommon(what);
}

void ControlView::mirrorCommon(ui::Prop what) {
    const ui::ControlState& s = control_.state();
    QWidget* w = widget();
    if (touches(what, ui::Prop::Geometry))
        w->setGeometry(toPixels(s.rect));
    if (touches(what, ui::Prop::Enabled)) {
        w->setEnabled(s.enabled);
        if (passesMouseWhenDisabled())
            w->setAttribute(Qt::WA_TransparentForMouseEvents, !s.enabled);
    }
    if (touches(what, ui::Prop::ToolTip))
        w->setToolTip(toQ(s.toolTip));
    if (touches(what, ui::Prop::Font))
        w->setFont(toQFont(s.font));
    if (what == ui::Prop::All) {
        if (s.customCursor)
            w->setCursor(Qt::PointingHandCursor);
        else
            w->unsetCursor();
    }
    if (touches(what, ui::Prop::Visible))
        w->setVisible(s.visible);
}

} // namespace qtview
