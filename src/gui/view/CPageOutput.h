#pragma once
// One page (the measurement's or a trend's) drawn on a page device: a printer (its own resolution
// and printable area), or an A4 sheet without margins for PDF and PNG files, whose page is always
// 2100 x 2970 units whatever the resolution.

#include "gui/view/CQtDC.h"

#include <QString>

class IPage;
class QPainter;
class QPrinter;

class CPageOutput {
public:
    static constexpr int kA4Width = 2100; // 0.1 mm
    static constexpr int kA4Height = 2970;
    static constexpr int kDefaultDpi = 150;
    static constexpr int kMaxDpi = 1200;

    // Page 1 on an active painter of a printer; the device's pixels and resolution give the
    // page width.
    static void DrawOnPrinter(IPage& page, QPainter& painter, QPrinter& printer);
    // Page 1 on an active painter whose device is an A4 sheet of the given size in pixels.
    static void DrawOnA4(IPage& page, QPainter& painter, const QSize& devicePixels);

    // Made in memory, then written like a saved document: beside the target, replacing it only
    // when complete. On failure error holds the German message with the cause of the errno.
    static bool WritePdf(IPage& page, const QString& path, QString& error);
    static bool WritePng(IPage& page, const QString& path, int dpi, QString& error);

    // Size in pixels of an A4 sheet at dpi.
    static QSize A4Pixels(int dpi);
    // The device of an A4 sheet as the view sees it (0.1 mm per pixel).
    static CQtDC::Caps A4Caps();
};
