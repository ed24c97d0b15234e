#pragma once
// Dialog 138 "Hörtest-Daten": the document's values of both ears, and a single measurement
// of the marked one, written into the document's data at once.

#include <QDialog>

#include "platform/sound/DirectSound.h"

class CAUVOApp;
class CAUVODoc;
class QListWidget;
class QPushButton;

class CHoertestDatenDialog : public QDialog {
    Q_OBJECT
public:
    CHoertestDatenDialog(QWidget* parent, CAUVOApp& app, CAUVODoc& doc, IDirectSound* device);

    void OnEinzelMessung();
    // "%d\t%.1f": frequency in Hz, value in dB.
    static QString Line(int frequency, long value);

    QListWidget* List(int side) const { return side == 0 ? m_pLinks : m_pRechts; }
    QPushButton* EinzelMessungButton() const { return m_pEinzel; }

public slots:
    // A value taken over also reaches the views when the dialog is cancelled, so the screen
    // never shows other data than a save would write.
    void reject() override;

private:
    void FillLists();
    void OnSelection(QListWidget* list, QListWidget* other);

    CAUVOApp& m_app;
    CAUVODoc& m_doc;
    IDirectSound* m_pDevice;
    bool m_bChanged = false;
    QListWidget* m_pLinks;
    QListWidget* m_pRechts;
    QPushButton* m_pEinzel;
};
