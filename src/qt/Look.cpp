#include "qt/Look.h"

#include <cmath>

#include <QHash>
#include <QStringList>

#include "qt/Text.h"

namespace qtview {

int toPixels(int twips) {
    return static_cast<int>(std::lround(static_cast<double>(twips) / ui::kTwipsPerPixel));
}

QRect toPixels(const ui::Rect& r) {
    const int left = toPixels(r.left);
    const int top = toPixels(r.top);
    const int right = toPixels(r.left + r.width);
    const int bottom = toPixels(r.top + r.height);
    return QRect(left, top, std::max(0, right - left), std::max(0, bottom - top));
}

QSize clientSize(int widthTwips, int heightTwips) {
    return QSize(toPixels(widthTwips), toPixels(heightTwips));
}

QColor toQColor(ui::Color c) {
    return QColor(c.r, c.g, c.b);
}

QColor disabledTextColor() {
    return QColor(128, 128, 128);
}

namespace {

QStringList substituteFamilies(const std::string& family) {
    const QString f = toQ(family).toLower();
    if (f == "ms sans serif" || f == "microsoft sans serif" || f == "arial" || f == "tahoma" ||
        f == "verdana" || f.isEmpty())
        return {"Liberation Sans", "DejaVu Sans", "sans-serif"};
    if (f == "times new roman" || f == "ms serif")
        return {"Liberation Serif", "DejaVu Serif", "serif"};
    if (f == "courier new" || f == "courier")
        return {"Liberation Mono", "DejaVu Sans Mono", "monospace"};
    return {toQ(family), "Liberation Sans", "DejaVu Sans", "sans-serif"};
}

constexpr int kStretch = 94;

} // namespace

QFont toQFont(const ui::Font& f) {
    QFont font;
    font.setFamilies(substituteFamilies(f.name));
    font.setPixelSize(std::max(1, static_cast<int>(std::lround(f.size * 96.0 / 72.0))));
    // The windows were laid out for a face a little narrower than the free
    // ones; a slightly condensed rendering keeps captions inside their labels.
    font.setStretch(kStretch);
    font.setBold(f.bold);
    font.setItalic(f.italic);
    font.setUnderline(f.underline);
    return font;
}

QString picturePath(const std::string& name) {
    return ":/art/" + toQ(name) + ".png";
}

QPixmap picture(const std::string& name) {
    if (name.empty())
        return {};
    static QHash<QString, QPixmap> cache;
    const QString path = picturePath(name);
    auto it = cache.find(path);
    if (it == cache.end())
        it = cache.insert(path, QPixmap(path));
    return *it;
}

} // namespace qtview
