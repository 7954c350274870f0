#include "qt/controls/ControlFactory.h"

#include "qt/controls/ButtonView.h"
#include "qt/controls/CheckBoxView.h"
#include "qt/controls/ComboView.h"
#include "qt/controls/FrameView.h"
#include "qt/controls/LabelView.h"
#include "qt/controls/ListView.h"
#include "qt/controls/PictureView.h"
#include "qt/controls/ShapeView.h"
#include "qt/controls/TextBoxView.h"
#include "ui/Controls.h"
#include "ui/ListBox.h"

namespace qtview {

ControlView* createControlView(ui::Control& c, QWidget* parent) {
    switch (c.kind()) {
    case ui::ControlKind::Label:
        return new LabelView(c, parent);
    case ui::ControlKind::TextBox:
        return new TextBoxView(static_cast<ui::TextBox&>(c), parent);
    case ui::ControlKind::CheckBox:
        return new CheckBoxView(static_cast<ui::CheckBox&>(c), parent);
    case ui::ControlKind::CommandButton:
        return new ButtonView(c, parent);
    case ui::ControlKind::ListBox:
    case ui::ControlKind::FileListBox:
    case ui::ControlKind::DirListBox:
        return new ListView(static_cast<ui::ListBox&>(c), parent);
    case ui::ControlKind::ComboBox:
        return new ComboView(static_cast<ui::ComboBox&>(c), parent);
    case ui::ControlKind::Image:
    case ui::ControlKind::PictureBox:
        return new PictureView(c, parent);
    case ui::ControlKind::Frame:
        return new FrameView(c, parent);
    case ui::ControlKind::Shape:
        return new ShapeView(c, parent);
    case ui::ControlKind::OleContainer:
        return nullptr;
    }
    return nullptr;
}

} // namespace qtview
