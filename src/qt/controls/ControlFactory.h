#pragma once
// Makes the widget of a control, by its kind.

#include "ui/Control.h"

class QWidget;

namespace qtview {

class ControlView;

// The new widget lies on top of the parent's earlier children. Null for a
// control that has nothing to show (the embedded-document holder).
ControlView* createControlView(ui::Control& c, QWidget* parent);

} // namespace qtview
