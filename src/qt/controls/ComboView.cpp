#include "qt/controls/ComboView.h"

#include <QLineEdit>
#include <QWheelEvent>

#include "qt/Look.h"
#include "qt/Text.h"
#include "qt/controls/Palette.h"

namespace qtview {

ComboView::ComboView(ui::ComboBox& combo, QWidget* parent)
    : InputView<QComboBox>(combo, parent), combo_(combo) {
    setEditable(true);
    setInsertPolicy(QComboBox::NoInsert);
    setDuplicatesEnabled(true);
    setCompleter(nullptr);
    lineEdit()->setMouseTracking(true);
    lineEdit()->installEventFilter(this);
    connect(this, &QComboBox::activated, this, [this](int index) {
        if (endingEdit_)
            return;
        userAction([this, index] { combo_.userChoose(index); });
        mirror(ui::Prop::Text);
    });
    connect(lineEdit(), &QLineEdit::textEdited, this, [this](const QString& text) {
        userAction([this, &text] { combo_.userType(fromQ(text)); });
        mirror(ui::Prop::Text);
    });
}

bool ComboView::eventFilter(QObject* watched, QEvent* e) {
    // The edit field covers most of the box and takes its mouse moves.
    if (watched == lineEdit() && e->type() == QEvent::MouseMove)
        userAction([this] { combo_.userMouseMove(); });
    return InputView<QComboBox>::eventFilter(watched, e);
}

void ComboView::wheelEvent(QWheelEvent* e) {
    e->ignore();
}

void ComboView::keyPressEvent(QKeyEvent* e) {
    const bool enter = e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter;
    endingEdit_ = enter;
    InputView<QComboBox>::keyPressEvent(e);
    endingEdit_ = false;
}

void ComboView::focusOutEvent(QFocusEvent* e) {
    endingEdit_ = true;
    InputView<QComboBox>::focusOutEvent(e);
    endingEdit_ = false;
}

void ComboView::mirrorOwn(ui::Prop what) {
    const ui::ControlState& s = control().state();
    if (touches(what, ui::Prop::Colors)) {
        setColors(this, QPalette::Text, toQColor(s.foreColor), QPalette::Base,
                  toQColor(s.backColor));
        setColors(lineEdit(), QPalette::Text, toQColor(s.foreColor), QPalette::Base,
                  toQColor(s.backColor));
    }
    if (touches(what, ui::Prop::Items))
        mirrorItems();
    if (touches(what, ui::Prop::Text) || what == ui::Prop::Items)
        mirrorText();
}

void ComboView::mirrorItems() {
    const auto& items = combo_.state().items;
    std::vector<std::string> texts;
    texts.reserve(items.size());
    for (const auto& item : items)
        texts.push_back(item.text);
    if (texts == shown_)
        return;
    clear();
    for (const auto& t : texts)
        addItem(toQ(t));
    // The shown text is the control's, not the first item's.
    setCurrentIndex(-1);
    shown_ = std::move(texts);
}

void ComboView::mirrorText() {
    const QString t = toQ(combo_.state().text);
    if (currentText() != t)
        setEditText(t);
}

} // namespace qtview
