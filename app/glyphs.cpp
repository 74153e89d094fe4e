#include "glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QPolygonF>
#include <cmath>

namespace zarvo {

namespace {

constexpr int kSize = 24;

template <typename F>
QIcon Draw(F&& paint) {
    QPixmap pixmap(kSize, kSize);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing, true);
    paint(p);
    p.end();
    return QIcon(pixmap);
}

const QColor kInk(40, 48, 64);

}  // namespace

QIcon ParameterFileGlyph() {
    return Draw([](QPainter& p) {
        p.setPen(QPen(kInk, 1.2));
        p.setBrush(QColor(250, 250, 240));
        QPolygonF sheet({{5, 2}, {15, 2}, {20, 7}, {20, 22}, {5, 22}});
        p.drawPolygon(sheet);
        p.drawLine(QPointF(15, 2), QPointF(15, 7));
        p.drawLine(QPointF(15, 7), QPointF(20, 7));
        p.setPen(QPen(QColor(70, 110, 180), 1.4));
        for (int y = 10; y <= 19; y += 3) p.drawLine(QPointF(8, y), QPointF(17, y));
    });
}

QIcon ApplyGlyph() {
    return Draw([](QPainter& p) {
        p.setPen(QPen(kInk, 1.2));
        p.setBrush(QColor(60, 170, 80));
        p.drawPolygon(QPolygonF({{6, 4}, {20, 12}, {6, 20}}));
    });
}

QIcon ParametersGlyph() {
    return Draw([](QPainter& p) {
        const double knobs[3] = {8, 15, 11};
        for (int i = 0; i < 3; ++i) {
            const double y = 6 + i * 6;
            p.setPen(QPen(kInk, 1.6));
            p.drawLine(QPointF(3, y), QPointF(21, y));
            p.setBrush(QColor(230, 150, 40));
            p.setPen(QPen(kInk, 1));
            p.drawRect(QRectF(knobs[i] - 2, y - 2.5, 4, 5));
        }
    });
}

QIcon SizeGlyph() {
    return Draw([](QPainter& p) {
        p.setPen(QPen(kInk, 1.2, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(3, 5, 18, 14));
        p.setPen(QPen(QColor(40, 110, 200), 1.6));
        p.drawLine(QPointF(6, 12), QPointF(18, 12));
        p.drawLine(QPointF(6, 12), QPointF(9, 9.5));
        p.drawLine(QPointF(6, 12), QPointF(9, 14.5));
        p.drawLine(QPointF(18, 12), QPointF(15, 9.5));
        p.drawLine(QPointF(18, 12), QPointF(15, 14.5));
    });
}

QIcon FormulaListGlyph() {
    return Draw([](QPainter& p) {
        p.setPen(QPen(kInk, 1));
        p.setBrush(QColor(245, 245, 250));
        p.drawRect(QRectF(2.5, 2.5, 19, 19));
        QFont font = p.font();
        font.setItalic(true);
        font.setBold(true);
        font.setPixelSize(10);
        p.setFont(font);
        p.setPen(QColor(120, 40, 140));
        p.drawText(QRectF(3, 3, 18, 10), Qt::AlignCenter, QStringLiteral("f(z)"));
        p.setPen(QPen(kInk, 1.2));
        p.drawLine(QPointF(6, 15), QPointF(18, 15));
        p.drawLine(QPointF(6, 18.5), QPointF(15, 18.5));
    });
}

QIcon ColourGlyph() {
    return Draw([](QPainter& p) {
        p.setPen(Qt::NoPen);
        p.setCompositionMode(QPainter::CompositionMode_SourceOver);
        p.setBrush(QColor(230, 40, 40, 200));
        p.drawEllipse(QPointF(9, 9), 6.5, 6.5);
        p.setBrush(QColor(40, 190, 60, 200));
        p.drawEllipse(QPointF(15, 9), 6.5, 6.5);
        p.setBrush(QColor(40, 80, 230, 200));
        p.drawEllipse(QPointF(12, 15), 6.5, 6.5);
    });
}

QIcon ZoomGlyph() {
    return Draw([](QPainter& p) {
        p.setPen(QPen(QColor(90, 90, 90), 1, Qt::DotLine));
        p.drawRect(QRectF(1.5, 1.5, 14, 11));
        p.setPen(QPen(kInk, 2));
        p.setBrush(QColor(200, 230, 255, 180));
        p.drawEllipse(QPointF(10, 10), 5.5, 5.5);
        p.setPen(QPen(kInk, 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(14.5, 14.5), QPointF(21, 21));
    });
}

QIcon StopGlyph() {
    return Draw([](QPainter& p) {
        QPolygonF octagon;
        for (int i = 0; i < 8; ++i) {
            const double a = (i * 45.0 + 22.5) * M_PI / 180.0;
            octagon << QPointF(12 + 9.5 * std::cos(a), 12 + 9.5 * std::sin(a));
        }
        p.setPen(QPen(QColor(120, 0, 0), 1));
        p.setBrush(QColor(215, 30, 30));
        p.drawPolygon(octagon);
        p.setPen(QPen(Qt::white, 2.2));
        p.drawLine(QPointF(8, 12), QPointF(16, 12));
    });
}

QIcon ResetGlyph() {
    return Draw([](QPainter& p) {
        p.setPen(QPen(QColor(30, 120, 60), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawArc(QRectF(4, 4, 16, 16), 60 * 16, 290 * 16);
        p.setBrush(QColor(30, 120, 60));
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygonF({{14.5, 1.5}, {20.5, 5.5}, {14, 8.5}}));
        p.setBrush(kInk);
        p.drawEllipse(QPointF(12, 12), 2, 2);
    });
}

}  // namespace zarvo
