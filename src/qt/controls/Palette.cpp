#include "qt/controls/Palette.h"

#include <QWidget>

#include "qt/Look.h"

namespace qtview {

void setColors(QWidget* w, QPalette::ColorRole textRole, const QColor& fore,
               QPalette::ColorRole backRole, const QColor& back) {
    QPalette pal = w->palette();
    for (auto group : {QPalette::Active, QPalette::Inactive}) {
        pal.setColor(group, textRole, fore);
        pal.setColor(group, backRole, back);
    }
    pal.setColor(QPalette::Disabled, textRole, disabledTextColor());
    pal.setColor(QPalette::Disabled, backRole, back);
    w->setPalette(pal);
}

} // namespace qtview
