#include "gui/view/CPageOutput.h"

#include "core/app/StringTable.h"
#include "core/view/IPage.h"
#include "gui/platform/UiText.h"

#include <QFileInfo>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
#include <QSaveFile>

#include <cmath>

namespace {

QString NotSavedMessage(const QString& path, const QString& cause) {
    return QString::fromStdString(
        StringTable::Format(StringTable::kFileNotSaved, path.toStdString(), cause.toStdString()));
}
} // namespace

void CPageOutput::DrawOnPrinter(IPage& page, QPainter& painter, QPrinter& printer) {
    CQtDC dc(&painter, CQtDC::PageCaps(printer), true);
    page.OnDraw(dc);
}

CQtDC::Caps CPageOutput::A4Caps() {
    CQtDC::Caps caps;
    caps.horzRes = kA4Width;
    caps.vertRes = kA4Height;
    caps.logPixelsX = 254;
    caps.logPixelsY = 254;
    caps.bitsPixel = 24;
    caps.technology = DT_RASPRINTER;
    return caps;
}

void CPageOutput::DrawOnA4(IPage& page, QPainter& painter, const QSize& devicePixels) {
    // The view draws on a sheet of 0.1 mm pixels; the painter scales that to the device, so
    // the page is 2100 units wide at any resolution.
    painter.save();
    painter.fillRect(QRect(QPoint(0, 0), devicePixels), Qt::white);
    painter.scale(static_cast<double>(devicePixels.width()) / kA4Width,
                  static_cast<double>(devicePixels.height()) / kA4Height);
    {
        CQtDC dc(&painter, A4Caps(), true);
        page.OnDraw(dc);
    }
    painter.restore();
}

QSize CPageOutput::A4Pixels(int dpi) {
    return {static_cast<int>(std::lround(210.0 / 25.4 * dpi)),
            static_cast<int>(std::lround(297.0 / 25.4 * dpi))};
}

bool CPageOutput::WritePdf(IPage& page, const QString& path, QString& error) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = NotSavedMessage(path, file.errorString());
        return false;
    }
    {
        QPdfWriter writer(&file);
        writer.setCreator(QStringLiteral("AUVO"));
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        QPainter painter;
        if (!painter.begin(&writer)) {
            error = NotSavedMessage(path, file.errorString());
            file.cancelWriting();
            return false;
        }
        DrawOnA4(page, painter, QSize(writer.width(), writer.height()));
        painter.end();
    }
    if (!file.commit()) {
        error = NotSavedMessage(path, file.errorString());
        return false;
    }
    return true;
}

bool CPageOutput::WritePng(IPage& page, const QString& path, int dpi, QString& error) {
    const QSize size = A4Pixels(dpi);
    QImage image(size, QImage::Format_RGB32);
    if (image.isNull()) {
        error = NotSavedMessage(path, UiText(StringTable::kOutOfMemory));
        return false;
    }
    const int dotsPerMeter = static_cast<int>(std::lround(dpi / 0.0254));
    image.setDotsPerMeterX(dotsPerMeter);
    image.setDotsPerMeterY(dotsPerMeter);
    {
        QPainter painter(&image);
        DrawOnA4(page, painter, size);
    }
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        error = NotSavedMessage(path, file.errorString());
        return false;
    }
    if (!image.save(&file, "PNG")) {
        error = NotSavedMessage(path, file.errorString());
        file.cancelWriting();
        return false;
    }
    if (!file.commit()) {
        error = NotSavedMessage(path, file.errorString());
        return false;
    }
    return true;
}
