// Draws the command icons and the device pictures that the desktop program carries, into
// FOLDER/icons and FOLDER/pictures. The pictures are plain drawings; a photograph of the same
// name and size can take the place of any of them.
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <cmath>
#include <cstdio>
#include <functional>

namespace {

using Draw = std::function<void(QPainter&)>;

bool Save(const QString& path, int size, const Draw& draw) {
    QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(size / 32.0, size / 32.0);
    draw(painter);
    painter.end();
    return image.save(path, "PNG");
}

const QColor kOutline(0x30, 0x30, 0x30);

void Sheet(QPainter& p) {
    QPainterPath sheet;
    sheet.moveTo(7, 3);
    sheet.lineTo(20, 3);
    sheet.lineTo(26, 9);
    sheet.lineTo(26, 29);
    sheet.lineTo(7, 29);
    sheet.closeSubpath();
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(Qt::white);
    p.drawPath(sheet);
    p.setBrush(QColor(0xD8, 0xD8, 0xD8));
    p.drawPolygon(QPolygonF({QPointF(20, 3), QPointF(20, 9), QPointF(26, 9)}));
    p.setPen(QPen(QColor(0x90, 0xA8, 0xC8), 1.2));
    for (int y = 13; y <= 25; y += 4) p.drawLine(QPointF(10, y), QPointF(23, y));
}

void Floppy(QPainter& p, const QColor& body) {
    p.setPen(QPen(kOutline, 1.2));
    p.setBrush(body);
    p.drawRoundedRect(QRectF(4, 4, 24, 24), 2, 2);
    p.setBrush(QColor(0xE8, 0xE8, 0xE8));
    p.drawRect(QRectF(9, 4, 14, 9));
    p.setBrush(QColor(0x40, 0x40, 0x40));
    p.drawRect(QRectF(18, 5.5, 3, 6));
    p.setBrush(Qt::white);
    p.drawRect(QRectF(8, 17, 16, 11));
}

void Command(const QString& name, QPainter& p) {
    if (name == "new") {
        Sheet(p);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0xF0, 0xC0, 0x20));
        QPolygonF star;
        for (int i = 0; i < 10; ++i) {
            const double r = i % 2 ? 2.5 : 6.0;
            const double a = 3.14159265 * (i / 5.0 - 0.5);
            star << QPointF(24 + r * std::cos(a), 8 + r * std::sin(a));
        }
        p.drawPolygon(star);
    } else if (name == "open") {
        p.setPen(QPen(kOutline, 1.2));
        p.setBrush(QColor(0xE0, 0xB0, 0x40));
        p.drawPolygon(QPolygonF({QPointF(3, 8), QPointF(11, 8), QPointF(13, 11), QPointF(26, 11),
                                 QPointF(26, 27), QPointF(3, 27)}));
        p.setBrush(QColor(0xF8, 0xD8, 0x70));
        p.drawPolygon(
            QPolygonF({QPointF(7, 15), QPointF(30, 15), QPointF(26, 27), QPointF(3, 27)}));
    } else if (name == "save") {
        Floppy(p, QColor(0x30, 0x60, 0xB0));
    } else if (name == "save_as") {
        Floppy(p, QColor(0x30, 0x90, 0x70));
        p.setPen(QPen(kOutline, 1));
        p.setBrush(QColor(0xF0, 0xD0, 0x40));
        p.drawPolygon(QPolygonF(
            {QPointF(17, 26), QPointF(28, 15), QPointF(31, 18), QPointF(20, 29), QPointF(16, 30)}));
    } else if (name == "close") {
        Sheet(p);
        p.setPen(QPen(QColor(0xC8, 0x20, 0x20), 3.5, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(14, 14), QPointF(28, 28));
        p.drawLine(QPointF(28, 14), QPointF(14, 28));
    } else if (name == "report") {
        p.setPen(QPen(kOutline, 1.2));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 3, 14, 10));
        p.setBrush(QColor(0x80, 0x88, 0x98));
        p.drawRoundedRect(QRectF(3, 12, 26, 11), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 19, 14, 10));
        p.setPen(QPen(QColor(0x60, 0x60, 0x60), 1));
        for (int y = 22; y <= 27; y += 2) p.drawLine(QPointF(11, y), QPointF(21, y));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x30, 0xD0, 0x30));
        p.drawEllipse(QPointF(25, 15.5), 1.3, 1.3);
    } else if (name == "exit") {
        p.setPen(QPen(kOutline, 1.2));
        p.setBrush(QColor(0x8B, 0x5A, 0x2B));
        p.drawRect(QRectF(5, 3, 14, 26));
        p.setBrush(QColor(0xF0, 0xD0, 0x40));
        p.drawEllipse(QPointF(16, 16), 1.2, 1.2);
        p.setPen(QPen(QColor(0xC0, 0x20, 0x20), 3, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(20, 16), QPointF(30, 16));
        p.drawLine(QPointF(26, 12), QPointF(30, 16));
        p.drawLine(QPointF(26, 20), QPointF(30, 16));
    } else if (name == "start") {
        p.setPen(QPen(kOutline, 1.2));
        p.setBrush(QColor(0x28, 0x28, 0x28));
        p.drawRect(QRectF(7, 7, 18, 18));
        p.setPen(QPen(QColor(0xB0, 0xB0, 0xB0), 1.6));
        for (int i = 0; i < 4; ++i) {
            const double at = 10 + i * 4;
            p.drawLine(QPointF(at, 3), QPointF(at, 7));
            p.drawLine(QPointF(at, 25), QPointF(at, 29));
            p.drawLine(QPointF(3, at), QPointF(7, at));
            p.drawLine(QPointF(25, at), QPointF(29, at));
        }
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x30, 0xD0, 0x40));
        p.drawPolygon(QPolygonF({QPointF(12, 10), QPointF(22, 16), QPointF(12, 22)}));
    } else if (name == "lpt") {
        p.setPen(QPen(kOutline, 1.2));
        p.setBrush(QColor(0xC0, 0xC8, 0xD0));
        p.drawPolygon(
            QPolygonF({QPointF(2, 10), QPointF(30, 10), QPointF(27, 22), QPointF(5, 22)}));
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(0x30, 0x30, 0x30));
        for (int i = 0; i < 7; ++i) p.drawEllipse(QPointF(6.5 + i * 3.2, 14), 1, 1);
        for (int i = 0; i < 6; ++i) p.drawEllipse(QPointF(8 + i * 3.2, 18.5), 1, 1);
        p.setPen(QPen(QColor(0x50, 0x50, 0x50), 2.5));
        p.drawLine(QPointF(16, 22), QPointF(16, 30));
    } else if (name == "about") {
        p.setPen(QPen(QColor(0x10, 0x40, 0x90), 1.2));
        p.setBrush(QColor(0x30, 0x70, 0xD0));
        p.drawEllipse(QPointF(16, 16), 13, 13);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(16, 9.5), 2.2, 2.2);
        p.drawRoundedRect(QRectF(14, 13.5, 4, 11), 1, 1);
    } else if (name == "manual") {
        p.setPen(QPen(kOutline, 1.2));
        p.setBrush(QColor(0x20, 0x80, 0x50));
        p.drawRoundedRect(QRectF(6, 3, 20, 26), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(9, 26, 17, 3));
        p.setPen(QPen(Qt::white, 2.8, Qt::SolidLine, Qt::RoundCap));
        QPainterPath question;
        question.moveTo(12.5, 11);
        question.cubicTo(12.5, 6, 20.5, 6, 20.5, 11);
        question.cubicTo(20.5, 14, 16.5, 14, 16.5, 18);
        p.setBrush(Qt::NoBrush);
        p.drawPath(question);
        p.setPen(Qt::NoPen);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(16.5, 22), 1.5, 1.5);
    }
}

// A wall-mounted cabinet with LEDs and a keypad or display, in a family colour.
void Cabinet(QPainter& p, const QColor& body, int leds, bool keypad, bool valve) {
    p.setPen(QPen(kOutline, 0.6));
    QLinearGradient shade(0, 0, 32, 32);
    shade.setColorAt(0, body.lighter(130));
    shade.setColorAt(1, body.darker(115));
    p.setBrush(shade);
    p.drawRoundedRect(QRectF(4, 2, 24, 28), 1.5, 1.5);
    p.setBrush(QColor(0x20, 0x30, 0x28));
    p.drawRect(QRectF(7, 5, 18, 5));
    p.setPen(QPen(QColor(0x60, 0xF0, 0x80), 0.5));
    p.drawLine(QPointF(8.5, 7.5), QPointF(17, 7.5));
    p.setPen(Qt::NoPen);
    for (int i = 0; i < leds; ++i) {
        p.setBrush(i % 3 == 0 ? QColor(0xE0, 0x30, 0x30) : QColor(0x30, 0xD0, 0x30));
        p.drawEllipse(QPointF(8.5 + i * 2.6, 12.5), 0.8, 0.8);
    }
    if (keypad) {
        p.setBrush(QColor(0xF0, 0xF0, 0xF0));
        for (int r = 0; r < 4; ++r)
            for (int c = 0; c < 3; ++c) p.drawRect(QRectF(10 + c * 4.3, 15 + r * 3.3, 3.2, 2.4));
    }
    if (valve) {
        p.setPen(QPen(QColor(0x20, 0x40, 0x90), 1));
        p.setBrush(QColor(0xA0, 0xC0, 0xF0));
        p.drawPolygon(QPolygonF({QPointF(9, 19), QPointF(16, 23), QPointF(9, 27)}));
        p.drawPolygon(QPolygonF({QPointF(23, 19), QPointF(16, 23), QPointF(23, 27)}));
    }
}

void Device(int index, QPainter& p) {
    switch (index) {
        case 0: {  // QV710 modules: a small DIN-rail module with terminals
            p.setPen(QPen(kOutline, 0.6));
            p.setBrush(QColor(0xE8, 0xE8, 0xE0));
            p.drawRect(QRectF(8, 4, 16, 24));
            p.setBrush(QColor(0x30, 0x70, 0x30));
            p.drawRect(QRectF(8, 4, 16, 4));
            p.drawRect(QRectF(8, 24, 16, 4));
            p.setBrush(QColor(0xC0, 0xC0, 0xC0));
            for (int i = 0; i < 4; ++i) {
                p.drawEllipse(QPointF(10 + i * 4, 6), 1, 1);
                p.drawEllipse(QPointF(10 + i * 4, 26), 1, 1);
            }
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0x30, 0xD0, 0x30));
            p.drawEllipse(QPointF(12, 12), 1, 1);
            p.setBrush(QColor(0xE0, 0x30, 0x30));
            p.drawEllipse(QPointF(16, 12), 1, 1);
            p.setPen(QPen(QColor(0x40, 0x40, 0x40), 0.5));
            p.drawText(QRectF(8, 14, 16, 8), Qt::AlignCenter, "710");
            break;
        }
        case 1: {  // Frastoven consoles: a desk console with a text display and keys
            p.setPen(QPen(kOutline, 0.6));
            p.setBrush(QColor(0xD0, 0xD4, 0xDC));
            p.drawPolygon(
                QPolygonF({QPointF(3, 26), QPointF(7, 7), QPointF(25, 7), QPointF(29, 26)}));
            p.setBrush(QColor(0x30, 0x50, 0x30));
            p.drawRect(QRectF(9, 9, 14, 6));
            p.setPen(QPen(QColor(0x90, 0xF0, 0x90), 0.5));
            p.drawLine(QPointF(10, 11), QPointF(21, 11));
            p.drawLine(QPointF(10, 13), QPointF(18, 13));
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0x50, 0x50, 0x60));
            for (int r = 0; r < 2; ++r)
                for (int c = 0; c < 6; ++c)
                    p.drawRect(QRectF(7.5 + c * 2.9 + r * 0.6, 17.5 + r * 3.6, 2.1, 2.3));
            break;
        }
        case 2: {  // Qirel: a handheld address loader with a cable
            p.setPen(QPen(QColor(0x40, 0x40, 0x40), 1.2));
            p.setBrush(Qt::NoBrush);
            QPainterPath cable;
            cable.moveTo(16, 4);
            cable.cubicTo(16, 0, 26, 0, 27, 8);
            p.drawPath(cable);
            p.setPen(QPen(kOutline, 0.6));
            p.setBrush(QColor(0xF0, 0xA0, 0x20));
            p.drawRoundedRect(QRectF(9, 4, 14, 25), 3, 3);
            p.setBrush(QColor(0x30, 0x40, 0x30));
            p.drawRect(QRectF(11, 7, 10, 6));
            p.setBrush(QColor(0x30, 0x30, 0x30));
            for (int r = 0; r < 3; ++r)
                for (int c = 0; c < 3; ++c)
                    p.drawEllipse(QPointF(12.5 + c * 3.5, 17 + r * 3.5), 1.2, 1.2);
            break;
        }
        case 3:
            Cabinet(p, QColor(0xC8, 0xC8, 0xC0), 6, true, false);
            break;  // Dorimen
        case 4:
            Cabinet(p, QColor(0xB0, 0x30, 0x30), 7, true, false);
            break;  // Velkar
        case 5:
            Cabinet(p, QColor(0xB0, 0x30, 0x30), 5, false, true);
            break;  // Velkar mod. 8, 9
        case 6: {   // KRV: a partition access module with a code keypad
            p.setPen(QPen(kOutline, 0.6));
            p.setBrush(QColor(0x38, 0x40, 0x50));
            p.drawRoundedRect(QRectF(7, 3, 18, 26), 2, 2);
            p.setPen(Qt::NoPen);
            p.setBrush(QColor(0x30, 0xD0, 0x30));
            p.drawEllipse(QPointF(11, 6.5), 1, 1);
            p.setBrush(QColor(0xE0, 0x30, 0x30));
            p.drawEllipse(QPointF(15, 6.5), 1, 1);
            p.setBrush(QColor(0xE0, 0xE0, 0xE0));
            for (int r = 0; r < 4; ++r)
                for (int c = 0; c < 3; ++c)
                    p.drawRoundedRect(QRectF(9.5 + c * 4.6, 10 + r * 4.5, 3.6, 3.4), 0.8, 0.8);
            break;
        }
        default:
            break;
    }
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: vertanum_draw_pictures FOLDER\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    folder.mkpath("icons");
    folder.mkpath("pictures");
    bool ok = true;
    for (const char* name : {"new", "open", "save", "save_as", "close", "report", "exit", "start",
                             "lpt", "about", "manual"}) {
        ok &= Save(folder.filePath(QString("icons/%1.png").arg(name)), 32,
                   [name](QPainter& p) { Command(name, p); });
    }
    for (int index = 0; index < 7; ++index) {
        ok &= Save(folder.filePath(QString("pictures/device_%1.png").arg(index)), 96,
                   [index](QPainter& p) { Device(index, p); });
    }
    return ok ? 0 : 1;
}
