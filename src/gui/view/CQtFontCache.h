#pragma once
// The fonts CQtDC makes, kept for the process (UI thread only): every repaint draws the same
// few fonts, and each font keeps the labels and texts laid out in it. Emptied while the
// application still exists, since fonts must not outlive Qt's font database; a context that
// remembers an entry looks at Generation() to know it is still there.

#include "gui/view/CLaidOutTexts.h"
#include "gui/view/CShapedLabels.h"
#include "platform/dc/CFont.h"

#include <QFont>
#include <QString>

class QPaintDevice;

class CQtFontCache {
public:
    struct Entry {
        LOGFONT logFont;
        double scale = 1.0;
        int dpiX = 0;
        int dpiY = 0;
        QFont font;
        bool metricsKnown = false;
        double ascent = 0.0;
        double descent = 0.0;
        CShapedLabels labels;
        CLaidOutTexts texts;
    };

    // The entry of a logical font at a device scale on a device (null: a context that only
    // measures), made when missing.
    static Entry& Find(const LOGFONT& lf, double scale, const QPaintDevice* device);
    // Changes whenever entries are dropped.
    static unsigned Generation();
    // The family used for a requested face: itself when installed, else a sans-serif one.
    static QString ResolveFamily(const QString& face);
};
