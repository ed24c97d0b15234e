#include "gui/view/CQtFontCache.h"

#include <QCoreApplication>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>
#include <QPaintDevice>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <list>

namespace {

constexpr std::size_t kFontsKept = 32;

unsigned g_generation = 0;

std::list<CQtFontCache::Entry>& Entries() {
    static std::list<CQtFontCache::Entry>* entries = [] {
        qAddPostRoutine([] {
            Entries().clear();
            ++g_generation;
        });
        return new std::list<CQtFontCache::Entry>;
    }();
    return *entries;
}

} // namespace

unsigned CQtFontCache::Generation() {
    return g_generation;
}

QString CQtFontCache::ResolveFamily(const QString& face) {
    static QHash<QString, QString> resolved;
    auto it = resolved.constFind(face);
    if (it != resolved.constEnd())
        return *it;
    const QStringList families = QFontDatabase::families();
    QString family = face;
    if (!families.contains(face, Qt::CaseInsensitive)) {
        family.clear();
        for (const QString& candidate :
             {QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans"),
              QStringLiteral("Arimo"), QStringLiteral("FreeSans")}) {
            if (families.contains(candidate, Qt::CaseInsensitive)) {
                family = candidate;
                break;
            }
        }
        if (family.isEmpty()) {
            QFont probe;
            probe.setStyleHint(QFont::SansSerif);
            family = probe.defaultFamily();
        }
    }
    resolved.insert(face, family);
    return family;
}

CQtFontCache::Entry& CQtFontCache::Find(const LOGFONT& lf, double scale,
                                        const QPaintDevice* device) {
    const int dpiX = device != nullptr ? device->logicalDpiX() : 0;
    const int dpiY = device != nullptr ? device->logicalDpiY() : 0;
    std::list<Entry>& entries = Entries();
    auto found = std::find_if(entries.begin(), entries.end(), [&](const Entry& e) {
        return e.scale == scale && e.dpiX == dpiX && e.dpiY == dpiY && e.logFont == lf;
    });
    if (found != entries.end())
        return *found;
    if (entries.size() >= kFontsKept) {
        entries.clear();
        ++g_generation;
    }
    QFont f(ResolveFamily(QString::fromStdString(lf.lfFaceName)));
    f.setStyleHint(QFont::SansSerif);
    f.setWeight(
        static_cast<QFont::Weight>(std::clamp(lf.lfWeight > 0 ? lf.lfWeight : 400, 1, 1000)));
    f.setItalic(lf.lfItalic);
    // A positive height is the whole cell (ascent plus descent), a negative one the em size.
    const double wanted = (lf.lfHeight == 0 ? 40 : std::abs(lf.lfHeight)) * scale;
    int pixels = std::max(1, static_cast<int>(std::lround(wanted)));
    f.setPixelSize(pixels);
    if (lf.lfHeight >= 0) {
        const QFontMetricsF fm(f, device);
        if (fm.height() > 0)
            pixels = std::max(1, static_cast<int>(std::lround(wanted * pixels / fm.height())));
        f.setPixelSize(pixels);
    }
    Entry entry;
    entry.logFont = lf;
    entry.scale = scale;
    entry.dpiX = dpiX;
    entry.dpiY = dpiY;
    entry.font = f;
    entries.push_front(std::move(entry));
    return entries.front();
}
