#include "gui/app/CToolbarIcons.h"

#include "core/app/CommandIds.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {
constexpr int kW = 16;
constexpr int kH = 15;

void DrawPage(QPainter& p) {
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    QPolygon page;
    page << QPoint(3, 1) << QPoint(10, 1) << QPoint(13, 4) << QPoint(13, 14) << QPoint(3, 14);
    p.drawPolygon(page);
    p.drawLine(10, 1, 10, 4);
    p.drawLine(10, 4, 13, 4);
}

void DrawFolder(QPainter& p) {
    p.setPen(Qt::black);
    p.setBrush(QColor(255, 220, 90));
    p.drawRect(1, 4, 13, 9);
    p.drawRect(1, 2, 5, 2);
}

void DrawDisk(QPainter& p) {
    p.setPen(Qt::black);
    p.setBrush(QColor(60, 60, 160));
    p.drawRect(1, 1, 13, 13);
    p.setBrush(Qt::white);
    p.drawRect(4, 1, 7, 5);
    p.setBrush(QColor(200, 200, 200));
    p.drawRect(4, 9, 7, 5);
}

void DrawPrinter(QPainter& p) {
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    p.drawRect(4, 1, 7, 5);
    p.setBrush(QColor(190, 190, 190));
    p.drawRect(1, 6, 13, 6);
    p.setBrush(Qt::white);
    p.drawRect(4, 10, 7, 4);
}

void DrawHeadphones(QPainter& p) {
    p.setPen(QPen(Qt::black, 2));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRect(2, 1, 12, 14), 0, 180 * 16);
    p.setPen(Qt::black);
    p.setBrush(QColor(40, 40, 40));
    p.drawRect(1, 7, 3, 6);
    p.drawRect(12, 7, 3, 6);
}

void DrawSpeaker(QPainter& p) {
    p.setPen(Qt::black);
    p.setBrush(QColor(40, 40, 40));
    QPolygon cone;
    cone << QPoint(1, 5) << QPoint(4, 5) << QPoint(8, 1) << QPoint(8, 13) << QPoint(4, 9)
         << QPoint(1, 9);
    p.drawPolygon(cone);
    p.setBrush(Qt::NoBrush);
    p.setPen(QColor(0, 0, 255));
    p.drawArc(QRect(6, 4, 6, 6), -60 * 16, 120 * 16);
    p.setPen(QColor(255, 0, 0));
    p.drawArc(QRect(5, 1, 10, 12), -60 * 16, 120 * 16);
}

void DrawSpectrum(QPainter& p) {
    p.setPen(Qt::black);
    p.drawLine(1, 13, 14, 13);
    p.drawLine(1, 1, 1, 13);
    p.setPen(QColor(255, 0, 0));
    const int heights[] = {3, 7, 4, 10, 6, 2};
    for (int i = 0; i < 6; ++i)
        p.drawLine(3 + 2 * i, 12, 3 + 2 * i, 12 - heights[i]);
}

void DrawPencil(QPainter& p) {
    p.setPen(Qt::black);
    p.setBrush(QColor(255, 200, 0));
    QPolygon pencil;
    pencil << QPoint(11, 1) << QPoint(14, 4) << QPoint(5, 13) << QPoint(2, 13) << QPoint(2, 10);
    p.drawPolygon(pencil);
    p.drawLine(2, 10, 5, 13);
}

void DrawQuestion(QPainter& p) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 160));
    p.drawEllipse(QRect(1, 0, 14, 14));
    QFont font;
    font.setPixelSize(11);
    font.setBold(true);
    p.setFont(font);
    p.setPen(Qt::white);
    p.drawText(QRect(1, 0, 14, 14), Qt::AlignCenter, QStringLiteral("?"));
}

QIcon Paint(void (*draw)(QPainter&), int w, int h) {
    QPixmap pixmap(w, h);
    pixmap.fill(Qt::transparent);
    {
        QPainter p(&pixmap);
        if (w != kW)
            p.scale(w / double(kW), h / double(kH));
        draw(p);
    }
    return QIcon(pixmap);
}
} // namespace

QIcon CToolbarIcons::ForCommand(int id) {
    switch (id) {
    case ID_FILE_NEW:
        return Paint(DrawPage, kW, kH);
    case ID_FILE_OPEN:
        return Paint(DrawFolder, kW, kH);
    case ID_FILE_SAVE:
        return Paint(DrawDisk, kW, kH);
    case ID_FILE_PRINT:
        return Paint(DrawPrinter, kW, kH);
    case ID_HOERTEST_STARTEN:
        return Paint(DrawHeadphones, kW, kH);
    case ID_TINNITUS_HOEREN:
        return Paint(DrawSpeaker, kW, kH);
    case ID_TINNITUS_NEU:
        return Paint(DrawSpectrum, kW, kH);
    case ID_KOMMENTAR:
        return Paint(DrawPencil, kW, kH);
    case ID_KURZANLEITUNG:
        return Paint(DrawQuestion, kW, kH);
    default:
        return {};
    }
}

QIcon CToolbarIcons::ProgramIcon() {
    QIcon icon;
    for (int size : {16, 32, 48})
        icon.addPixmap(Paint(DrawHeadphones, size, size).pixmap(size, size));
    return icon;
}
