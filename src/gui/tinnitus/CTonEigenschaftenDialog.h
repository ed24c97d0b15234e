#pragma once
// Modal dialog 137: frequency and level of one tinnitus sound by number, and whether it is a
// sine tone or a noise band of a bandwidth. The values are taken over only when all changed
// ones are valid; fields left as they opened change nothing. A playing sound keeps playing.
// The caller repaints the sound's diagram after OK.

#include <QDialog>

class CAUVODoc;
class CSinusTone;
class QLineEdit;
class QRadioButton;

class CTonEigenschaftenDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int IDC_FREQUENZ = 1021;
    static constexpr int IDC_LAUTSTAERKE = 1022;
    static constexpr int IDC_SINUSTON = 1023;
    static constexpr int IDC_RAUSCHBAND = 1024;
    static constexpr int IDC_BANDBREITE = 1025;
    // Relative levels above this (mB, 90 dB) are refused.
    static constexpr long kMaxLevelMB = 9000;

    // Neither tone nor document is owned; both must outlive the dialog.
    CTonEigenschaftenDialog(QWidget* parent, CSinusTone& tone, CAUVODoc& doc);

    QLineEdit* FrequencyEdit() const { return m_pFrequency; }
    QLineEdit* LevelEdit() const { return m_pLevel; }
    QRadioButton* SineChoice() const { return m_pSine; }
    QRadioButton* BandChoice() const { return m_pBand; }
    QLineEdit* BandwidthEdit() const { return m_pBandwidth; }

public slots:
    // OK: checks the fields (messages 1005, 1006 and, for a band, 1010 or the one for a band
    // nobody hears; focus on the field concerned) and sets frequency and kind, then the level.
    void accept() override;

private:
    void Refuse(unsigned messageId, QLineEdit* field);

    CSinusTone& m_tone;
    CAUVODoc& m_doc;
    QLineEdit* m_pFrequency;
    QLineEdit* m_pLevel;
    QRadioButton* m_pSine;
    QRadioButton* m_pBand;
    QLineEdit* m_pBandwidth;
    // The texts the fields opened with.
    QString m_shownFrequency;
    QString m_shownLevel;
    QString m_shownBandwidth;
};
