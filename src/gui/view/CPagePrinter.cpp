#include "gui/view/CPagePrinter.h"

#include "core/app/CBaseApp.h"
#include "core/app/IMessageBoxService.h"
#include "core/app/StringTable.h"
#include "core/document/CAUVODoc.h"
#include "gui/platform/UiText.h"
#include "gui/view/CAUVOViewWidget.h"
#include "gui/view/CPageOutput.h"

#include <QMessageBox>
#include <QPageSetupDialog>
#include <QPainter>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QPrinterInfo>

CPagePrinter::CPagePrinter(CAUVOViewWidget& view) : QObject(&view), m_view(view) {}

CPagePrinter::~CPagePrinter() = default;

QPrinter& CPagePrinter::Printer() {
    if (!m_pPrinter) {
        m_pPrinter = std::make_unique<QPrinter>(QPrinter::HighResolution);
        m_pPrinter->setPageOrientation(QPageLayout::Portrait);
        m_pPrinter->setDocName(QStringLiteral("AUVO"));
    }
    return *m_pPrinter;
}

bool CPagePrinter::HasPrinter() {
    return !QPrinterInfo::availablePrinterNames().isEmpty();
}

QString CPagePrinter::NoPrinterMessage() {
    return QString::fromStdString(StringTable::Load(StringTable::kNoPrinter) + " " +
                                  StringTable::Load(StringTable::kPrintFailed));
}

void CPagePrinter::Report(const QString& text) {
    const std::string caption = StringTable::Load(StringTable::kAppTitle);
    CBaseApp* app = CBaseApp::Instance();
    if (app != nullptr && app->GetMessageBoxService() != nullptr) {
        app->GetMessageBoxService()->Show(text.toStdString(), caption,
                                          IMessageBoxService::Icon::Stop);
        return;
    }
    QMessageBox::critical(&m_view, QString::fromStdString(caption), text);
}

bool CPagePrinter::PrintOn(QPrinter& printer) {
    if (m_view.Document() == nullptr)
        return false;
    printer.setDocName(QString::fromStdString(m_view.Document()->GetTitle()));
    QPainter painter;
    if (!painter.begin(&printer)) {
        Report(UiText(StringTable::kPrintFailed));
        return false;
    }
    CPageOutput::DrawOnPrinter(m_view.View(), painter, printer);
    painter.end();
    ++m_nPagesDrawn;
    // The hit rectangles now hold printer coordinates; a screen paint restores them before
    // the next mouse message can use them.
    m_view.repaint();
    return true;
}

void CPagePrinter::OnFilePrint() {
    QPrinter& printer = Printer();
    QPrintDialog dialog(&printer, &m_view);
    dialog.setMinMax(1, 1);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, false);
    if (dialog.exec() == QDialog::Accepted)
        PrintOn(printer);
}

void CPagePrinter::OnFilePrintDirect() {
    QPrinter& printer = Printer();
    // A PDF target chosen in the print dialog needs no installed printer.
    if (printer.outputFormat() == QPrinter::NativeFormat && !HasPrinter()) {
        Report(NoPrinterMessage());
        return;
    }
    PrintOn(printer);
}

void CPagePrinter::OnFilePrintPreview() {
    QPrintPreviewDialog dialog(&Printer(), &m_view);
    dialog.setWindowTitle(UiText(StringTable::kPreviewTitle));
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this,
            [this](QPrinter* printer) { PrintOn(*printer); });
    dialog.exec();
    m_view.repaint();
}

void CPagePrinter::OnFilePrintSetup() {
    QPageSetupDialog dialog(&Printer(), &m_view);
    dialog.exec();
}
