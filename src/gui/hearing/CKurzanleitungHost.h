#pragma once
// The main window's one short-guide window: made at the first request, shown again with a
// new text by every later one, destroyed with the main window. It has no parent window, so the
// tone dialogs, modal to the main window only, leave it usable beside them. ID_KURZANLEITUNG and a
// start without calibration show the general guide; the "&Hilfe" buttons of the tone dialogs show
// their own texts through Of(...).ShowKurzanleitung.

#include <QObject>
#include <QPointer>

#include <string>

class CCommandTable;
class CKurzanleitungDialog;
class QWidget;

class CKurzanleitungHost : public QObject {
    Q_OBJECT
public:
    // mainWindow owns the host and parents the window.
    explicit CKurzanleitungHost(QWidget& mainWindow);
    ~CKurzanleitungHost() override;

    // Joins a new main window: ID_KURZANLEITUNG, and the guide at once when the calibration
    // level is CAUVOApp::kNotCalibrated or lower.
    static CKurzanleitungHost* Install(QWidget& mainWindow, CCommandTable& commands,
                                       long normalNull);
    // The host of the main window that holds widget; null if there is none.
    static CKurzanleitungHost* Of(QWidget* widget);

    void ShowKurzanleitung(const std::string& text);
    CKurzanleitungDialog* Window() const;

private:
    QWidget& m_mainWindow;
    QPointer<CKurzanleitungDialog> m_pKurzanleitung;
};
