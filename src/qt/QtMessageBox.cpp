#include "qt/QtMessageBox.h"

#include <QMessageBox>

#include "qt/Text.h"

namespace qtview {

void QtMessageBox::show(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, toQ(platform::kDefaultTitle), toQ(text), QMessageBox::Ok);
    box.exec();
}

} // namespace qtview
