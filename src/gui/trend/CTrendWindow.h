#pragma once
// The window "Verlauf": the trend page as on paper, scrolled when the window is lower than
// the page, with printing, print preview and closing. It lives until it is closed.

#include "core/trend/CTrendPage.h"

#include <QWidget>

#include <memory>

class CBaseApp;
class QPrinter;
class QScrollArea;

class CTrendWindow : public QWidget {
    Q_OBJECT
public:
    // app: where a failed print job is reported (none: nowhere).
    CTrendWindow(CTrend trend, CBaseApp* app, QWidget* parent = nullptr);
    ~CTrendWindow() override;

    CTrendPage& Page() { return m_page; }
    QWidget* PageWidget() const { return m_pPageWidget; }

    void OnPrint();   // print dialog, then print
    void OnPreview(); // print preview
    // Draws the page on the printer; false (and the user told) when the job did not start.
    bool PrintOn(QPrinter& printer);

private:
    QPrinter& Printer();

    CTrendPage m_page;
    CBaseApp* m_pApp;
    QWidget* m_pPageWidget;
    std::unique_ptr<QPrinter> m_pPrinter;
};
