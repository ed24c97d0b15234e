#include "gui/tinnitus/CTonEigenschaftenDialog.h"

#include "core/app/CBaseApp.h"
#include "core/app/StringTable.h"
#include "core/app/TextFormat.h"
#include "core/document/CAUVODoc.h"
#include "core/sound/CNoiseBandGenerator.h"
#include "core/sound/CSinusTone.h"
#include "core/tinnitus/CTinnitusDaten.h"
#include "gui/platform/UiText.h"
#include "platform/text/DecimalText.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

CTonEigenschaftenDialog::CTonEigenschaftenDialog(QWidget* parent, CSinusTone& tone, CAUVODoc& doc)
    : QDialog(parent), m_tone(tone), m_doc(doc) {
    setWindowTitle(UiText(StringTable::kToneDialogTitle));
    // Created in the order of the dialog's template: OK first, so it has the focus.
    auto* ok = new QPushButton(UiText(StringTable::kButtonOk), this);
    ok->setObjectName(QStringLiteral("1"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(UiText(StringTable::kButtonCancel), this);
    cancel->setObjectName(QStringLiteral("2"));
    cancel->setAutoDefault(false);
    auto* frequencyLabel = new QLabel(UiText(StringTable::kToneDialogFrequency), this);
    auto* levelLabel = new QLabel(UiText(StringTable::kToneDialogLevel), this);
    m_pFrequency = new QLineEdit(this);
    m_pFrequency->setObjectName(QString::number(IDC_FREQUENZ));
    m_pLevel = new QLineEdit(this);
    m_pLevel->setObjectName(QString::number(IDC_LAUTSTAERKE));
    auto* hz = new QLabel(UiText(StringTable::kToneDialogHz), this);
    auto* db = new QLabel(UiText(StringTable::kToneDialogDb), this);
    m_pSine = new QRadioButton(UiText(StringTable::kKindSinuston), this);
    m_pSine->setObjectName(QString::number(IDC_SINUSTON));
    m_pBand = new QRadioButton(UiText(StringTable::kKindRauschband), this);
    m_pBand->setObjectName(QString::number(IDC_RAUSCHBAND));
    auto* bandwidthLabel = new QLabel(UiText(StringTable::kToneDialogBandbreite), this);
    m_pBandwidth = new QLineEdit(this);
    m_pBandwidth->setObjectName(QString::number(IDC_BANDBREITE));
    auto* bandwidthHz = new QLabel(UiText(StringTable::kToneDialogHz), this);
    connect(m_pBand, &QRadioButton::toggled, m_pBandwidth, &QLineEdit::setEnabled);
    connect(ok, &QPushButton::clicked, this, &CTonEigenschaftenDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &CTonEigenschaftenDialog::reject);

    auto* layout = new QGridLayout(this);
    layout->addWidget(frequencyLabel, 0, 0);
    layout->addWidget(m_pFrequency, 0, 1);
    layout->addWidget(hz, 0, 2);
    layout->addWidget(levelLabel, 1, 0);
    layout->addWidget(m_pLevel, 1, 1);
    layout->addWidget(db, 1, 2);
    layout->addWidget(m_pSine, 2, 0);
    layout->addWidget(m_pBand, 2, 1);
    layout->addWidget(bandwidthLabel, 3, 0);
    layout->addWidget(m_pBandwidth, 3, 1);
    layout->addWidget(bandwidthHz, 3, 2);
    layout->addWidget(ok, 0, 3);
    layout->addWidget(cancel, 1, 3);

    m_pFrequency->setText(QString::fromStdString(FormatText("%7.1f", m_tone.GetFrequency())));
    m_pLevel->setText(QString::fromStdString(
        FormatText("%4.1f", m_doc.ToRelativeLevel(m_tone.GetVolume()) * 0.01)));
    // A tone offers a third of an octave, should the user make it a band.
    const double bandwidth = m_tone.IsNoiseBand()
                                 ? m_tone.GetBandwidth()
                                 : CTinnitusDaten::DefaultBandwidth(m_tone.GetFrequency());
    m_pBandwidth->setText(QString::fromStdString(FormatText("%g", bandwidth)));
    m_pBand->setChecked(m_tone.IsNoiseBand());
    m_pSine->setChecked(!m_tone.IsNoiseBand());
    m_pBandwidth->setEnabled(m_tone.IsNoiseBand());
    m_shownFrequency = m_pFrequency->text();
    m_shownLevel = m_pLevel->text();
    m_shownBandwidth = m_pBandwidth->text();
}

void CTonEigenschaftenDialog::Refuse(unsigned messageId, QLineEdit* field) {
    if (CBaseApp* app = CBaseApp::Instance())
        app->ErrorBoxId(messageId);
    field->setFocus();
}

void CTonEigenschaftenDialog::accept() {
    // Fields left as shown keep the sound as it is: the texts are rounded, and a new buffer
    // would be new noise.
    const bool band = m_pBand->isChecked();
    const bool soundKept = band == m_tone.IsNoiseBand() &&
                           m_pFrequency->text() == m_shownFrequency &&
                           (!band || m_pBandwidth->text() == m_shownBandwidth);
    const bool levelKept = m_pLevel->text() == m_shownLevel;
    if (soundKept && levelKept) {
        QDialog::accept();
        return;
    }
    const double frequency = DecimalText::ToDouble(m_pFrequency->text().toStdString());
    // Written so that NaN fails as well.
    if (!soundKept && !(frequency > 0.0 && frequency < m_doc.GetMaxFrequencyKHz() * 1000.0)) {
        Refuse(StringTable::kBadFrequency, m_pFrequency);
        return;
    }
    // Checked before the conversion to whole mB, which would overflow for "1e12".
    const double mB = DecimalText::ToDouble(m_pLevel->text().toStdString()) * 100.0;
    if (!levelKept && !(mB >= 1.0 && mB < kMaxLevelMB + 1.0)) {
        Refuse(StringTable::kBadLevel, m_pLevel);
        return;
    }
    const LONG volume =
        levelKept ? m_tone.GetVolume() : m_doc.ToAbsoluteLevel(static_cast<LONG>(mB));
    double bandwidth = 0.0;
    if (!soundKept && band) {
        bandwidth = DecimalText::ToDouble(m_pBandwidth->text().toStdString());
        if (!CTinnitusDaten::IsValidBandwidth(bandwidth)) {
            Refuse(StringTable::kBadBandwidth, m_pBandwidth);
            return;
        }
        if (!CNoiseBandGenerator::IsHeard(frequency, bandwidth)) {
            Refuse(StringTable::kBandNotHeard, m_pFrequency);
            return;
        }
    }
    if (!soundKept) {
        try {
            m_tone.SetSound(frequency, bandwidth);
        } catch (const CSoundBufferException&) {
            if (CBaseApp* app = CBaseApp::Instance())
                app->ErrorBoxId(StringTable::kNoSoundBuffer);
            return;
        }
    }
    // The tone keeps its level through a new sound; a new level comes after the sound, so a
    // refused buffer changes neither.
    if (!levelKept)
        m_tone.SetVolume(volume);
    m_doc.SetModifiedFlag();
    QDialog::accept();
}
