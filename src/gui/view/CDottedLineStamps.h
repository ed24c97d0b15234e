#pragma once
// Dotted lines cost the raster engine a blend per dot. A dotted line's pixels depend only on
// its pen and its vector, so each is drawn once into a transparent image, a stamp, that CQtDC
// then copies: its dots are opaque and its gaps empty, so the copy gives the same pixels. Kept
// for the process (UI thread only), the stamps used last first.

#include <QImage>
#include <QPainter>
#include <QPoint>

class QPen;

class CDottedLineStamps {
public:
    // The dots' pixels (the rest of the line's box is transparent anyway) and where the line
    // starts in them.
    struct Stamp {
        QImage image;
        QPoint start;
    };

    // The room around a line of this pen that its dots may cover.
    static int Margin(const QPen& pen);
    // The stamp of a line along vector drawn with pen and hints; valid until the next call.
    static const Stamp& Find(const QPen& pen, QPoint vector, QPainter::RenderHints hints);
};
