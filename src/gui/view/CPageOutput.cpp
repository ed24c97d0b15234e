#include "gui/view/CPageOutput.h"

#include "core/app/CBaseApp.h"
#include "core/app/StringTable.h"
#include "core/view/IPage.h"
#include "gui/platform/UiText.h"
#include "platform/archive/CFileException.h"
#include "platform/file/CFileReplacement.h"

#include <QBuffer>
#include <QByteArray>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>

#include <cmath>
#include <string>

namespace {

QString NotSavedMessage(const QString& path, const QString& cause) {
    return QString::fromStdString(
        StringTable::Format(StringTable::kFileNotSaved, path.toStdString(), cause.toStdString()));
}

QString CauseText(int cause) {
    std::string text;
    CBaseApp::FileErrorText(cause, text, 256);
    return QString::fromStdString(text);
}

// The page's bytes go through the one file writer of the exports, so a failure has the same
// German cause as for a document or a CSV (Qt's own file errors are English).
bool WriteBytes(const QString& path, const QByteArray& bytes, QString& error) {
    const std::string target = path.toStdString();
    const int osError = CFileReplacement::WriteFile(target, bytes.constData(),
                                                    static_cast<std::size_t>(bytes.size()));
    if (osError == 0)
        return true;
    error = NotSavedMessage(path, CauseText(CFileException::OsErrorToCause(osError)));
    return false;
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
    // A page's PDF is some hundred KB: made in memory, then written as a whole.
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        QPdfWriter writer(&buffer);
        writer.setCreator(QStringLiteral("AUVO"));
        writer.setPageLayout(
            QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0)));
        QPainter painter;
        if (!painter.begin(&writer)) {
            error = NotSavedMessage(path, CauseText(CFileException::genericException));
            return false;
        }
        DrawOnA4(page, painter, QSize(writer.width(), writer.height()));
        painter.end();
    }
    return WriteBytes(path, bytes, error);
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
    QByteArray bytes;
    {
        QBuffer buffer(&bytes);
        buffer.open(QIODevice::WriteOnly);
        if (!image.save(&buffer, "PNG")) {
            error = NotSavedMessage(path, UiText(StringTable::kOutOfMemory));
            return false;
        }
    }
    return WriteBytes(path, bytes, error);
}
