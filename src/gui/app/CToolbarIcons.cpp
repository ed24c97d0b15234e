#include "gui/app/CToolbarIcons.h"

#include "core/app/CommandIds.h"

#include <QPainter>
#include <QPixmap>
#include <QSvgRenderer>

// The drawings live in this static library; without this call the linker may drop them.
static void InitIconResources() {
    Q_INIT_RESOURCE(icons);
}

namespace {
// The toolbar's buttons are 16 x 15 pixels at 100 %.
constexpr int kW = 16;
constexpr int kH = 15;

const char* FileFor(int id) {
    switch (id) {
    case ID_FILE_NEW:
        return "file-new";
    case ID_FILE_OPEN:
        return "file-open";
    case ID_FILE_SAVE:
        return "file-save";
    case ID_FILE_PRINT:
        return "file-print";
    case ID_HOERTEST_STARTEN:
        return "hoertest";
    case ID_TINNITUS_HOEREN:
        return "tinnitus-play";
    case ID_TINNITUS_NEU:
        return "tinnitus-new";
    case ID_KOMMENTAR:
        return "kommentar";
    case ID_KURZANLEITUNG:
        return "kurzanleitung";
    default:
        return nullptr;
    }
}

// Renders the drawing at w x h logical pixels for each scale, instead of leaving it to
// an image plug-in that an installation might lack.
QIcon Render(const char* name, const QList<QSize>& sizes) {
    static const bool initialised = (InitIconResources(), true);
    (void)initialised;
    QSvgRenderer renderer(QStringLiteral(":/icons/%1.svg").arg(QLatin1String(name)));
    QIcon icon;
    if (!renderer.isValid())
        return icon;
    for (const QSize& size : sizes) {
        for (int scale : {1, 2}) {
            QPixmap pixmap(size * scale);
            pixmap.fill(Qt::transparent);
            {
                QPainter p(&pixmap);
                renderer.render(&p);
            }
            pixmap.setDevicePixelRatio(scale);
            icon.addPixmap(pixmap);
        }
    }
    return icon;
}
} // namespace

QIcon CToolbarIcons::ForCommand(int id) {
    const char* name = FileFor(id);
    return name ? Render(name, {QSize(kW, kH)}) : QIcon();
}

QIcon CToolbarIcons::ProgramIcon() {
    return Render("auvo", {QSize(16, 16), QSize(24, 24), QSize(32, 32), QSize(48, 48),
                           QSize(64, 64), QSize(128, 128)});
}
