#include "gui/trend/CTrendWindow.h"

#include "core/app/CBaseApp.h"
#include "core/app/StringTable.h"
#include "gui/platform/UiText.h"
#include "gui/view/CPageOutput.h"
#include "gui/view/CQtDC.h"

#include <QHBoxLayout>
#include <QPaintEvent>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScrollArea>
#include <QShortcut>
#include <QVBoxLayout>

#include <cmath>

namespace {

// The page on screen: as wide as the window, as high as the page needs.
class CTrendPageWidget : public QWidget {
public:
    CTrendPageWidget(CTrendPage& page, QWidget* parent) : QWidget(parent), m_page(page) {
        setAttribute(Qt::WA_OpaquePaintEvent);
        const CTrendPage::Layout layout(2100);
        const int depth = -layout.Footer().bottom + 50; // 0.1 mm
        setMinimumHeight(static_cast<int>(std::ceil(depth * logicalDpiY() / 254.0)));
        setMinimumWidth(static_cast<int>(std::ceil(1200 * logicalDpiX() / 254.0)));
    }

protected:
    void paintEvent(QPaintEvent* event) override {
        QPainter painter(this);
        painter.fillRect(event->rect(), Qt::white);
        CQtDC dc(&painter, CQtDC::ScreenCaps(*this), false);
        dc.SetClipDevice(event->rect());
        m_page.SetClientWidth(width());
        m_page.OnDraw(dc);
    }

private:
    CTrendPage& m_page;
};

} // namespace

CTrendWindow::CTrendWindow(CTrend trend, CBaseApp* app, QWidget* parent)
    : QWidget(parent, Qt::Window), m_page(std::move(trend)), m_pApp(app) {
    setWindowTitle(UiText(StringTable::kTrendTitle));
    setAttribute(Qt::WA_DeleteOnClose);

    auto* buttons = new QHBoxLayout;
    auto* print = new QPushButton(UiText(StringTable::kTrendPrint), this);
    auto* preview = new QPushButton(UiText(StringTable::kMenuSeitenansicht), this);
    auto* close = new QPushButton(UiText(StringTable::kTrendClose), this);
    print->setObjectName(QStringLiteral("print"));
    preview->setObjectName(QStringLiteral("preview"));
    close->setObjectName(QStringLiteral("close"));
    buttons->addWidget(print);
    buttons->addWidget(preview);
    buttons->addStretch(1);
    buttons->addWidget(close);
    connect(print, &QPushButton::clicked, this, &CTrendWindow::OnPrint);
    connect(preview, &QPushButton::clicked, this, &CTrendWindow::OnPreview);
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &QWidget::close);

    auto* scroll = new QScrollArea(this);
    scroll->setWidgetResizable(true);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_pPageWidget = new CTrendPageWidget(m_page, scroll);
    scroll->setWidget(m_pPageWidget);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(scroll, 1);
    resize(m_pPageWidget->minimumWidth() + 60, 750);
}

CTrendWindow::~CTrendWindow() = default;

QPrinter& CTrendWindow::Printer() {
    if (!m_pPrinter) {
        m_pPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_pPrinter->setPageOrientation(QPageLayout::Portrait);
        m_pPrinter->setDocName(UiText(StringTable::kTrendTitle));
    }
    return *m_pPrinter;
}

bool CTrendWindow::PrintOn(QPrinter& printer) {
    QPainter painter;
    if (!painter.begin(&printer)) {
        if (m_pApp != nullptr)
            m_pApp->ErrorBoxId(StringTable::kPrintFailed);
        return false;
    }
    CPageOutput::DrawOnPrinter(m_page, painter, printer);
    painter.end();
    return true;
}

void CTrendWindow::OnPrint() {
    QPrintDialog dialog(&Printer(), this);
    dialog.setMinMax(1, 1);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() == QDialog::Accepted)
        PrintOn(Printer());
}

void CTrendWindow::OnPreview() {
    QPrintPreviewDialog dialog(&Printer(), this);
    dialog.setWindowTitle(UiText(StringTable::kPreviewTitle));
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* printer) { PrintOn(*printer); });
    dialog.exec();
}
