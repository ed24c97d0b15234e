#pragma once
// Modal dialog 137: frequency and level of one tinnitus tone by number. The values are taken
// over only when both are valid; a playing tone keeps playing. The caller repaints the tone's
// diagram after OK.

#include <QDialog>

class CAUVODoc;
class CSinusTone;
class QLineEdit;

class CTonEigenschaftenDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDC_FREQUENZ = 1021;
    static constexpr int IDC_LAUTSTAERKE = 1022;
    // Relative levels above this (mB, 90 dB) are refused.
    static constexpr long kMaxLevelMB = 9000;

    // Neither tone nor document is owned; both must outlive the dialog.
    CTonEigenschaftenDialog(QWidget* parent, CSinusTone& tone, CAUVODoc& doc);

    QLineEdit* FrequencyEdit() const { return m_pFrequency; }
    QLineEdit* LevelEdit() const { return m_pLevel; }

public slots:
    // OK: checks both fields (messages 1005 and 1006, focus on the field concerned) and sets
    // the frequency, then the level.
    void accept() override;

private:
    void Refuse(unsigned messageId, QLineEdit* field);

    CSinusTone& m_tone;
    CAUVODoc& m_doc;
    QLineEdit* m_pFrequency;
    QLineEdit* m_pLevel;
};
