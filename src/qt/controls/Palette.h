#pragma once
// Colours of a control's widget: its text in the fore colour (grey while
// disabled) on the back colour.

#include <QColor>
#include <QPalette>

class QWidget;

namespace qtview {

void setColors(QWidget* w, QPalette::ColorRole textRole, const QColor& fore,
               QPalette::ColorRole backRole, const QColor& back);

} // namespace qtview
