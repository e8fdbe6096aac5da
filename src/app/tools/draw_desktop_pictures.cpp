// Draws the application icon and the two logo pictures of the splash window into a folder:
//   vertanum_draw_desktop_pictures src/app/assets
#include <QGuiApplication>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cstdio>

namespace {

// A chip with a pen nib over it: configuring and writing devices.
QImage Icon(int size) {
    QImage image(size, size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 128.0, size / 128.0);
    QLinearGradient back(0, 0, 0, 128);
    back.setColorAt(0, QColor(0x1e, 0x5a, 0xa8));
    back.setColorAt(1, QColor(0x0c, 0x2c, 0x5c));
    p.setBrush(back);
    p.setPen(Qt::NoPen);
    p.drawRoundedRect(QRectF(4, 4, 120, 120), 22, 22);
    p.setPen(QPen(QColor(0xd8, 0xd8, 0xd8), 5, Qt::SolidLine, Qt::FlatCap));
    for (int i = 0; i < 5; ++i) {
        const double x = 34 + i * 15;
        p.drawLine(QPointF(x, 22), QPointF(x, 34));
        p.drawLine(QPointF(x, 94), QPointF(x, 106));
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x22, 0x22, 0x22));
    p.drawRoundedRect(QRectF(26, 32, 76, 64), 6, 6);
    p.setBrush(QColor(0x3c, 0xc8, 0x50));
    p.drawEllipse(QPointF(38, 44), 4, 4);
    QPainterPath nib;
    nib.moveTo(64, 50);
    nib.lineTo(80, 74);
    nib.lineTo(64, 92);
    nib.lineTo(48, 74);
    nib.closeSubpath();
    p.setBrush(QColor(0xf0, 0xc0, 0x30));
    p.drawPath(nib);
    p.setPen(QPen(QColor(0x22, 0x22, 0x22), 3));
    p.drawLine(QPointF(64, 62), QPointF(64, 88));
    return image;
}

QImage Logo(bool left) {
    QImage image(200, 64, QImage::Format_ARGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    if (left) {
        p.drawImage(QRectF(4, 4, 56, 56), Icon(112));
        QFont font("Liberation Sans");
        font.setPixelSize(26);
        font.setBold(true);
        p.setFont(font);
        p.setPen(QColor(0x0c, 0x2c, 0x5c));
        p.drawText(QRectF(66, 0, 134, 64), Qt::AlignVCenter | Qt::AlignLeft, "Вертанум");
    } else {
        // A flame inside a shield: fire and security alarm equipment.
        QPainterPath shield;
        shield.moveTo(100, 4);
        shield.lineTo(128, 12);
        shield.lineTo(126, 38);
        shield.quadTo(118, 54, 100, 60);
        shield.quadTo(82, 54, 74, 38);
        shield.lineTo(72, 12);
        shield.closeSubpath();
        p.setPen(QPen(QColor(0x1e, 0x5a, 0xa8), 3));
        p.setBrush(QColor(0xea, 0xf0, 0xfa));
        p.drawPath(shield);
        QPainterPath flame;
        flame.moveTo(100, 18);
        flame.cubicTo(112, 30, 112, 44, 100, 50);
        flame.cubicTo(88, 44, 90, 34, 96, 28);
        flame.cubicTo(96, 34, 100, 36, 100, 18);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xe0, 0x40, 0x20));
        p.drawPath(flame);
    }
    return image;
}

}  // namespace

int main(int argc, char* argv[]) {
    QGuiApplication application(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const bool ok = Icon(128).save(folder + "/vertanum.png") &&
                    Logo(true).save(folder + "/logo_left.png") &&
                    Logo(false).save(folder + "/logo_right.png");
    return ok ? 0 : 1;
}
