#pragma once
// The view's menu commands in the main window's command table: the display toggles with
// their check marks, the tinnitus tones (play, new, delete, properties), the comment dialog
// and printing.

#include "core/view/CViewCommands.h"

#include <QObject>

class CAUVOViewWidget;
class CCommandTable;
class CPagePrinter;

class CViewCommandHandlers : public QObject {
    Q_OBJECT
public:
    // Lives as long as the view widget; its handlers go with it.
    CViewCommandHandlers(CAUVOViewWidget& view, CCommandTable& commands);

    CPagePrinter& Printer() { return *m_pPrinter; }

    // ID_KOMMENTAR: the comment dialog on the document's comment; OK hands the text to the
    // document.
    void OnKommentar();
    // 32785: the properties dialog on the selected tone; OK repaints that ear's diagram.
    void OnTonEigenschaften();
    // Runs a command of the window as if chosen (the diagram's pop-up menu).
    bool Execute(int id);

private:
    // checkMark: the menu entry shows the command's state as a check mark.
    void RegisterViewCommand(int id, bool checkMark);
    // Once per document, in the status bar: a playing tone is set louder than the ceiling.
    void NoteCeiling();

    static constexpr int kCeilingNoticeMs = 30000;

    CAUVOViewWidget& m_view;
    CCommandTable& m_commands;
    CViewCommands m_viewCommands;
    CPagePrinter* m_pPrinter;
};
