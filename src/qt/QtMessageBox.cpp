#include "qt/QtMessageBox.h"

#include <QIcon>
#include <QMessageBox>

#include "qt/Look.h"
#include "qt/Text.h"

namespace qtview {

void QtMessageBox::show(const std::string& text) {
    QMessageBox box(QMessageBox::NoIcon, toQ(platform::kDefaultTitle), toQ(text), QMessageBox::Ok);
    box.setWindowIcon(QIcon(picturePath("icon")));
    box.exec();
}

} // namespace qtview
