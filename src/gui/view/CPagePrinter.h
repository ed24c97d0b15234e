#pragma once
// Printing of the view's one page: the print dialog, direct printing on the current printer,
// the print preview and the printer set-up. The printer keeps its settings for the session.

#include <QObject>

#include <functional>
#include <memory>

class CAUVOViewWidget;
class QPrinter;

class CPagePrinter : public QObject {
    Q_OBJECT
public:
    explicit CPagePrinter(CAUVOViewWidget& view);
    ~CPagePrinter() override;

    QPrinter& Printer();

    void OnFilePrint();        // ID_FILE_PRINT: print dialog, then print
    void OnFilePrintDirect();  // ID_FILE_PRINT_DIRECT: current printer, no dialog
    void OnFilePrintPreview(); // ID_FILE_PRINT_PREVIEW
    void OnFilePrintSetup();   // ID_FILE_PRINT_SETUP

    // Draws page 1 on the printer; false (and the user told) when the job did not start.
    bool PrintOn(QPrinter& printer);
    // Pages drawn so far on printers and previews.
    int PagesDrawn() const { return m_nPagesDrawn; }

    // True when the system knows at least one printer.
    static bool HasPrinter();
    // "No printer" message for the command line and the direct print.
    static QString NoPrinterMessage();

private:
    void Report(const QString& text);

    CAUVOViewWidget& m_view;
    std::unique_ptr<QPrinter> m_pPrinter;
    int m_nPagesDrawn = 0;
};
