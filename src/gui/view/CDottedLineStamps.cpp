#include "gui/view/CDottedLineStamps.h"

#include <QCoreApplication>
#include <QList>
#include <QPen>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <list>

namespace {

constexpr std::size_t kStampsKept = 64;

struct Key {
    int dx;
    int dy;
    QRgb color;
    double width;
    QList<qreal> dashes;
    bool operator==(const Key&) const = default;
};

struct Entry {
    Key key;
    CDottedLineStamps::Stamp stamp;
};

// Emptied while the application still exists: images must not outlive Qt.
std::list<Entry>& Entries() {
    static std::list<Entry>* entries = [] {
        qAddPostRoutine([] { Entries().clear(); });
        return new std::list<Entry>;
    }();
    return *entries;
}

} // namespace

int CDottedLineStamps::Margin(const QPen& pen) {
    return static_cast<int>(std::ceil(pen.widthF())) + 2;
}

const CDottedLineStamps::Stamp& CDottedLineStamps::Find(const QPen& pen, QPoint vector,
                                                        QPainter::RenderHints hints) {
    std::list<Entry>& entries = Entries();
    const Key key{vector.x(), vector.y(), pen.color().rgba(), pen.widthF(), pen.dashPattern()};
    auto found = std::find_if(entries.begin(), entries.end(),
                              [&](const Entry& entry) { return entry.key == key; });
    if (found == entries.end()) {
        if (entries.size() >= kStampsKept)
            entries.pop_back();
        const int margin = Margin(pen);
        Stamp stamp{QImage(std::abs(key.dx) + 2 * margin + 1, std::abs(key.dy) + 2 * margin + 1,
                           QImage::Format_ARGB32_Premultiplied),
                    QPoint(margin + std::max(0, -key.dx), margin + std::max(0, -key.dy))};
        stamp.image.fill(Qt::transparent);
        QPainter painter(&stamp.image);
        painter.setRenderHints(hints);
        painter.setBackgroundMode(Qt::TransparentMode);
        painter.setPen(pen);
        painter.drawLine(stamp.start, stamp.start + vector);
        painter.end();
        // Only the dots' box is kept.
        QRect dots;
        for (int y = 0; y < stamp.image.height(); ++y) {
            const auto* row = reinterpret_cast<const QRgb*>(stamp.image.constScanLine(y));
            for (int x = 0; x < stamp.image.width(); ++x) {
                if (qAlpha(row[x]) != 0)
                    dots |= QRect(x, y, 1, 1);
            }
        }
        if (!dots.isEmpty()) {
            stamp.image = stamp.image.copy(dots);
            stamp.start -= dots.topLeft();
        }
        entries.push_front({key, std::move(stamp)});
    } else if (found != entries.begin()) {
        entries.splice(entries.begin(), entries, found);
    }
    return entries.front().stamp;
}
