#include "Painting.h"

#include <cmath>

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

namespace artgen {

namespace {

const QColor kOrange(255, 122, 26);
const QColor kEdge(122, 26, 18);
const QColor kPlainText(221, 204, 186);
const QColor kLitText(255, 246, 222);

QImage blank(int width, int height, const QColor& fill = Qt::black) {
    QImage img(width, height, QImage::Format_ARGB32_Premultiplied);
    img.fill(fill);
    return img;
}

void prepare(QPainter& p) {
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
}

// The largest bold font up to startPx in which text fits the width.
QFont fittingFont(const QString& text, qreal maxWidth, int startPx) {
    QFont f;
    f.setFamilies({"Liberation Sans", "DejaVu Sans", "sans-serif"});
    f.setBold(true);
    for (int px = startPx; px > 6; --px) {
        f.setPixelSize(px);
        if (QFontMetricsF(f).horizontalAdvance(text) <= maxWidth)
            break;
    }
    return f;
}

QPainterPath textPath(const QString& text, const QFont& font, const QRectF& box) {
    QPainterPath path;
    const QFontMetricsF fm(font);
    const qreal x = box.center().x() - fm.horizontalAdvance(text) / 2;
    const qreal y = box.center().y() + (fm.ascent() - fm.descent()) / 2;
    path.addText(QPointF(x, y), font, text);
    return path;
}

// Text with a dark drop shadow; glowing lit text gets an orange halo.
void drawText(QPainter& p, const QPainterPath& path, const QColor& color, bool glow) {
    p.save();
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 210));
    p.drawPath(path.translated(1.2, 1.2));
    if (glow) {
        for (const auto& [width, alpha] : {std::pair{5.0, 45}, {3.0, 90}, {1.6, 150}}) {
            QColor halo = kOrange;
            halo.setAlpha(alpha);
            p.strokePath(path, QPen(halo, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        }
    }
    p.setBrush(color);
    p.drawPath(path);
    p.restore();
}

void glowOutline(QPainter& p, const QPainterPath& outline) {
    for (const auto& [width, alpha] : {std::pair{7.0, 35}, {5.0, 60}, {3.0, 110}}) {
        QColor halo = kOrange;
        halo.setAlpha(alpha);
        p.strokePath(outline, QPen(halo, width));
    }
    p.strokePath(outline, QPen(QColor(255, 170, 80), 1.6));
}

void rivet(QPainter& p, QPointF at, bool lit) {
    QRadialGradient g(at - QPointF(0.5, 0.5), 2.4);
    g.setColorAt(0, lit ? QColor(255, 210, 140) : QColor(150, 90, 80));
    g.setColorAt(1, lit ? QColor(150, 50, 10) : QColor(40, 8, 6));
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(at, 1.9, 1.9);
}

QPainterPath tabShape(const QRectF& r) {
    const qreal radius = 6;
    QPainterPath path;
    path.moveTo(r.left(), r.bottom());
    path.lineTo(r.left(), r.top() + radius);
    path.quadTo(r.left(), r.top(), r.left() + radius, r.top());
    path.lineTo(r.right() - radius, r.top());
    path.quadTo(r.right(), r.top(), r.right(), r.top() + radius);
    path.lineTo(r.right(), r.bottom());
    return path;
}

void drawTab(QPainter& p, const QRectF& r, const QString& text, bool active) {
    const QPainterPath shape = tabShape(r);
    QLinearGradient fill(0, r.top(), 0, r.bottom());
    if (active) {
        fill.setColorAt(0, QColor(196, 34, 18));
        fill.setColorAt(0.5, QColor(120, 14, 8));
        fill.setColorAt(1, QColor(70, 4, 2));
    } else {
        fill.setColorAt(0, QColor(44, 12, 10));
        fill.setColorAt(1, QColor(14, 3, 2));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(shape);
    if (active) {
        QLinearGradient gloss(0, r.top(), 0, r.center().y());
        gloss.setColorAt(0, QColor(255, 255, 255, 70));
        gloss.setColorAt(1, QColor(255, 255, 255, 0));
        p.setBrush(gloss);
        p.drawPath(shape);
        p.strokePath(shape, QPen(QColor(255, 150, 60), 1.4));
    } else {
        p.strokePath(shape, QPen(QColor(90, 24, 18), 1.0));
    }
    const QFont font = fittingFont(text, r.width() - 10, 12);
    drawText(p, textPath(text, font, r.adjusted(0, 1, 0, 0)),
             active ? kLitText : QColor(150, 128, 120), false);
}

// A light tab without text, for strips whose tab titles are black labels
// laid over the picture.
void drawTitleTab(QPainter& p, const QRectF& r, bool active) {
    const QPainterPath shape = tabShape(r);
    QLinearGradient fill(0, r.top(), 0, r.bottom());
    if (active) {
        fill.setColorAt(0, QColor(255, 214, 140));
        fill.setColorAt(0.5, QColor(255, 150, 52));
        fill.setColorAt(1, QColor(214, 88, 20));
    } else {
        fill.setColorAt(0, QColor(168, 138, 122));
        fill.setColorAt(1, QColor(106, 74, 62));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(shape);
    QLinearGradient gloss(0, r.top(), 0, r.center().y());
    gloss.setColorAt(0, QColor(255, 255, 255, active ? 90 : 50));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(gloss);
    p.drawPath(shape);
    p.strokePath(shape, QPen(active ? QColor(255, 236, 190) : QColor(70, 30, 24), 1.2));
}

} // namespace

QImage button(int width, int height, const QString& text, bool lit) {
    // Clear around the body, so that the button sits on any background.
    QImage img = blank(width, height, Qt::transparent);
    QPainter p(&img);
    prepare(p);
    const QRectF body = QRectF(img.rect()).adjusted(3.5, 3.5, -3.5, -3.5);
    QPainterPath outline;
    outline.addRoundedRect(body, 7, 7);

    QLinearGradient fill(0, body.top(), 0, body.bottom());
    if (lit) {
        fill.setColorAt(0, QColor(128, 26, 10));
        fill.setColorAt(0.48, QColor(74, 10, 4));
        fill.setColorAt(0.52, QColor(52, 5, 2));
        fill.setColorAt(1, QColor(96, 16, 6));
    } else {
        fill.setColorAt(0, QColor(62, 10, 8));
        fill.setColorAt(0.48, QColor(30, 3, 2));
        fill.setColorAt(0.52, QColor(16, 0, 0));
        fill.setColorAt(1, QColor(38, 5, 4));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawPath(outline);

    // A glossy upper half.
    QPainterPath upper;
    upper.addRoundedRect(body.adjusted(2, 2, -2, -body.height() / 2), 5, 5);
    QLinearGradient gloss(0, body.top(), 0, body.center().y());
    gloss.setColorAt(0, QColor(255, 255, 255, lit ? 60 : 34));
    gloss.setColorAt(1, QColor(255, 255, 255, 0));
    p.setBrush(gloss);
    p.drawPath(upper);

    if (lit) {
        glowOutline(p, outline);
    } else {
        p.strokePath(outline, QPen(kEdge, 1.5));
        QPainterPath inner;
        inner.addRoundedRect(body.adjusted(2, 2, -2, -2), 5, 5);
        p.strokePath(inner, QPen(QColor(0, 0, 0, 160), 1.0));
    }
    const qreal inset = 7.5;
    for (const QPointF at :
         {body.topLeft() + QPointF(inset, inset), body.topRight() + QPointF(-inset, inset),
          body.bottomLeft() + QPointF(inset, -inset), body.bottomRight() + QPointF(-inset, -inset)})
        rivet(p, at, lit);

    const QFont font = fittingFont(text, body.width() - 22, 17);
    drawText(p, textPath(text, font, body), lit ? kLitText : kPlainText, lit);
    return img;
}

QImage tab(int width, int height, const QString& text, bool active) {
    QImage img = blank(width, height);
    QPainter p(&img);
    prepare(p);
    const QRectF r = QRectF(img.rect()).adjusted(1.5, 1.5, -1.5, 0);
    drawTab(p, r, text, active);
    // The edge that joins the tab to its page; open under the active tab.
    if (!active) {
        p.setPen(QPen(QColor(200, 40, 20), 1.5));
        p.drawLine(QPointF(0, height - 0.75), QPointF(width, height - 0.75));
    }
    return img;
}

QImage strip(int width, int height, const std::array<QString, 3>& texts, int active) {
    QImage img = blank(width, height);
    QPainter p(&img);
    prepare(p);
    const qreal w = static_cast<qreal>(width) / 3;
    auto place = [&](int i) { return QRectF(i * w + 1.5, 1.5, w - 3, height - 1.5); };
    p.setPen(QPen(QColor(200, 40, 20), 1.5));
    p.drawLine(QPointF(0, height - 0.75), QPointF(width, height - 0.75));
    for (int i = 0; i < 3; ++i) {
        if (i != active)
            drawTab(p, place(i), texts[static_cast<std::size_t>(i)], false);
    }
    drawTab(p, place(active), texts[static_cast<std::size_t>(active)], true);
    return img;
}

QImage titleStrip(int width, int height, const std::array<QString, 3>& titles, int active) {
    QImage img = blank(width, height);
    QPainter p(&img);
    prepare(p);
    const qreal w = static_cast<qreal>(width) / 3;
    auto place = [&](int i) { return QRectF(i * w + 1.5, 1.5, w - 3, height - 1.5); };
    p.setPen(QPen(QColor(255, 150, 52), 1.5));
    p.drawLine(QPointF(0, height - 0.75), QPointF(width, height - 0.75));
    for (int i = 0; i < 3; ++i)
        drawTitleTab(p, place(i), i == active);
    // The other tabs keep their names, drawn as the window's title labels
    // draw them (black, bold, centred, 7 pixels down), so that a label lying
    // over its own name changes nothing.
    QFont font;
    font.setFamilies({"Liberation Sans", "DejaVu Sans", "sans-serif"});
    font.setPixelSize(11);
    font.setStretch(94);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::black);
    for (int i = 0; i < 3; ++i) {
        if (i != active)
            p.drawText(QRectF(i * 96, 7, 97, 18), Qt::AlignHCenter | Qt::AlignTop,
                       titles[static_cast<std::size_t>(i)]);
    }
    return img;
}

QImage background(int width, int height) {
    QImage img = blank(width, height);
    QPainter p(&img);
    prepare(p);
    const QRectF all(img.rect());

    QRadialGradient glow(all.center() - QPointF(0, height * 0.08), width * 0.75);
    glow.setColorAt(0, QColor(52, 9, 7));
    glow.setColorAt(0.55, QColor(20, 2, 1));
    glow.setColorAt(1, QColor(2, 0, 0));
    p.fillRect(all, glow);

    // A faint metal grid and speckles, always the same.
    p.setPen(QPen(QColor(255, 60, 30, 16), 1));
    for (int x = 8; x < width; x += 16)
        p.drawLine(QPointF(x + 0.5, 0), QPointF(x + 0.5, height));
    for (int y = 8; y < height; y += 16)
        p.drawLine(QPointF(0, y + 0.5), QPointF(width, y + 0.5));
    QRandomGenerator random(20011);
    for (int i = 0; i < 900; ++i) {
        const QPointF at(random.bounded(width), random.bounded(height));
        p.fillRect(QRectF(at, QSizeF(1, 1)), QColor(255, 80, 40, random.bounded(6, 26)));
    }
    for (int y = 0; y < height; y += 3)
        p.fillRect(QRectF(0, y, width, 1), QColor(0, 0, 0, 34));

    // A large, dim target ring behind the text.
    const QPointF centre = all.center();
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(255, 50, 30, 22), 7));
    p.drawEllipse(centre, height * 0.34, height * 0.34);
    p.setPen(QPen(QColor(255, 50, 30, 16), 2));
    p.drawEllipse(centre, height * 0.44, height * 0.44);
    p.drawLine(QPointF(centre.x() - height * 0.5, centre.y()),
               QPointF(centre.x() + height * 0.5, centre.y()));
    p.drawLine(QPointF(centre.x(), centre.y() - height * 0.5),
               QPointF(centre.x(), centre.y() + height * 0.5));

    // Frame and corner brackets.
    p.setPen(QPen(QColor(110, 18, 12), 1));
    p.drawRect(all.adjusted(0.5, 0.5, -0.5, -0.5));
    p.setPen(QPen(QColor(40, 4, 3), 1));
    p.drawRect(all.adjusted(2.5, 2.5, -2.5, -2.5));
    p.setPen(QPen(QColor(200, 44, 20), 2, Qt::SolidLine, Qt::SquareCap));
    const qreal e = 5;
    const qreal len = 16;
    const qreal r = width - e;
    const qreal b = height - e;
    p.drawPolyline(QPolygonF{{e, e + len}, {e, e}, {e + len, e}});
    p.drawPolyline(QPolygonF{{r - len, e}, {r, e}, {r, e + len}});
    p.drawPolyline(QPolygonF{{e, b - len}, {e, b}, {e + len, b}});
    p.drawPolyline(QPolygonF{{r - len, b}, {r, b}, {r, b - len}});
    return img;
}

QImage botDecoration(int size) {
    QImage img = blank(size, size);
    QPainter p(&img);
    prepare(p);
    const qreal s = size / 64.0;
    p.scale(s, s);

    QRadialGradient halo(QPointF(32, 34), 30);
    halo.setColorAt(0, QColor(160, 20, 10, 120));
    halo.setColorAt(1, QColor(0, 0, 0, 0));
    p.fillRect(QRectF(0, 0, 64, 64), halo);

    // Antenna.
    p.setPen(QPen(QColor(150, 150, 160), 2));
    p.drawLine(QPointF(32, 15), QPointF(32, 7));
    QRadialGradient tip(QPointF(32, 6), 3.5);
    tip.setColorAt(0, QColor(255, 220, 150));
    tip.setColorAt(1, QColor(220, 40, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(tip);
    p.drawEllipse(QPointF(32, 6), 3.2, 3.2);

    // Head.
    QPainterPath head;
    head.addRoundedRect(QRectF(11, 14, 42, 38), 10, 10);
    QLinearGradient metal(0, 14, 0, 52);
    metal.setColorAt(0, QColor(104, 104, 116));
    metal.setColorAt(0.5, QColor(44, 44, 52));
    metal.setColorAt(1, QColor(20, 20, 24));
    p.setBrush(metal);
    p.drawPath(head);
    p.strokePath(head, QPen(QColor(200, 40, 20), 1.4));

    // Visor with glowing eyes.
    QPainterPath visor;
    visor.addRoundedRect(QRectF(16, 23, 32, 12), 5, 5);
    p.setBrush(QColor(6, 0, 0));
    p.drawPath(visor);
    for (const qreal x : {25.0, 39.0}) {
        QRadialGradient eye(QPointF(x, 29), 6);
        eye.setColorAt(0, QColor(255, 236, 180));
        eye.setColorAt(0.3, QColor(255, 90, 20));
        eye.setColorAt(1, QColor(120, 0, 0, 0));
        p.setBrush(eye);
        p.drawEllipse(QPointF(x, 29), 6, 6);
    }

    // Mouth grille.
    p.setPen(QPen(QColor(10, 10, 12), 1.6));
    for (const qreal x : {24.0, 29.0, 34.0, 39.0})
        p.drawLine(QPointF(x + 0.5, 41), QPointF(x + 0.5, 47));
    return img;
}

QImage icon(int size) {
    QImage img = blank(size, size, Qt::transparent);
    QPainter p(&img);
    prepare(p);
    const qreal s = size / 32.0;
    p.scale(s, s);
    QPainterPath plate;
    plate.addRoundedRect(QRectF(1, 1, 30, 30), 6, 6);
    QLinearGradient fill(0, 0, 0, 32);
    fill.setColorAt(0, QColor(70, 10, 6));
    fill.setColorAt(1, QColor(10, 0, 0));
    p.fillPath(plate, fill);
    p.strokePath(plate, QPen(QColor(220, 50, 20), 1.2));

    const QPointF c(16, 16);
    p.setPen(QPen(QColor(255, 120, 30), 2.2));
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(c, 9.5, 9.5);
    p.setPen(QPen(QColor(255, 200, 120), 1.4, Qt::SolidLine, Qt::FlatCap));
    for (const auto& [a, b] : {std::pair{QPointF(16, 3.5), QPointF(16, 10)},
                               {QPointF(16, 22), QPointF(16, 28.5)},
                               {QPointF(3.5, 16), QPointF(10, 16)},
                               {QPointF(22, 16), QPointF(28.5, 16)}})
        p.drawLine(a, b);
    QRadialGradient dot(c, 3);
    dot.setColorAt(0, QColor(255, 240, 200));
    dot.setColorAt(1, QColor(230, 40, 10));
    p.setPen(Qt::NoPen);
    p.setBrush(dot);
    p.drawEllipse(c, 2.6, 2.6);
    return img;
}

} // namespace artgen
