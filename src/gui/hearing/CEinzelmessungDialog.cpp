#include "gui/hearing/CEinzelmessungDialog.h"

#include "core/app/CBaseApp.h"
#include "core/app/StringTable.h"
#include "core/app/TextFormat.h"
#include "core/hearingtest/CEinzelmessungRun.h"
#include "core/hearingtest/ToneDialogRules.h"
#include "core/sound/CSinusTone.h"
#include "gui/platform/UiText.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

CEinzelmessungDialog::CEinzelmessungDialog(QWidget* parent, std::int32_t normalNull,
                                           std::int32_t ceiling, int frequency,
                                           std::int32_t startLevel, int side, bool pulsed,
                                           IDirectSound* device)
    : CToneDialog(parent),
      m_pRun(std::make_unique<CEinzelmessungRun>(normalNull, ceiling, frequency, startLevel, side,
                                                 pulsed, device, *this)) {
    setWindowTitle(UiText(StringTable::kEinzelmessungTitle));
    m_pText = Named(new QLabel(this), "1027");
    m_pText->setAlignment(Qt::AlignCenter);
    m_pText->setMinimumWidth(m_pText->fontMetrics().horizontalAdvance(
        QString::fromStdString(FillText(StringTable::Load(StringTable::kEinzelmessungResult),
                                        {"15000", ToneDialogRules::SideName(1), "-100.0"}))));
    m_pStart = Named(new QPushButton(UiText(StringTable::kButtonStart), this), "1004");
    m_pErkannt = Named(MakeBigButton(UiText(StringTable::kEinzelmessungErkannt), this), "1007");
    m_pDauerton = Named(new QRadioButton(UiText(StringTable::kDauerton), this), "1002");
    m_pGepulst = Named(new QRadioButton(UiText(StringTable::kGepulsterTon), this), "1003");
    m_pOK = Named(new QPushButton(UiText(StringTable::kButtonUebernehmen), this), "1");
    m_pAbbrechen = Named(new QPushButton(UiText(StringTable::kButtonCancel), this), "2");

    auto* kind = new QHBoxLayout;
    kind->addWidget(m_pDauerton);
    kind->addWidget(m_pGepulst);
    kind->addStretch();

    auto* left = new QVBoxLayout;
    left->addWidget(m_pText);
    left->addLayout(kind);
    left->addWidget(m_pStart, 0, Qt::AlignLeft);
    left->addWidget(m_pErkannt, 1);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_pOK);
    buttons->addWidget(m_pAbbrechen);
    buttons->addStretch();

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);

    connect(m_pStart, &QPushButton::clicked, this, &CEinzelmessungDialog::OnStart);
    connect(m_pErkannt, &QPushButton::clicked, this, &CEinzelmessungDialog::OnErkannt);
    connect(m_pOK, &QPushButton::clicked, this, &CEinzelmessungDialog::accept);
    connect(m_pAbbrechen, &QPushButton::clicked, this, &CEinzelmessungDialog::reject);

    (pulsed ? m_pGepulst : m_pDauerton)->setChecked(true);
    Refresh();
    // "&Übernehmen" waits for a measurement, so Enter starts one.
    MakeDefault(m_pStart);
}

CEinzelmessungDialog::~CEinzelmessungDialog() = default;

std::int32_t CEinzelmessungDialog::Level() const {
    return m_pRun->Level();
}

void CEinzelmessungDialog::Refresh() {
    const bool playing = m_pRun->IsPlaying();
    m_pText->setText(QString::fromStdString(m_pRun->Text()));
    m_pOK->setEnabled(!playing && m_pRun->IsMeasured());
    m_pAbbrechen->setEnabled(!playing);
    m_pStart->setEnabled(!playing);
    m_pErkannt->setEnabled(playing);
    if (playing) {
        m_pOK->setDefault(false);
        m_pStart->setDefault(false);
        MakeDefault(m_pErkannt);
    } else if (m_pRun->IsMeasured()) {
        m_pErkannt->setDefault(false);
        MakeDefault(m_pOK);
    }
}

void CEinzelmessungDialog::OnStart() {
    m_pRun->OnStart(!m_pDauerton->isChecked());
}

void CEinzelmessungDialog::OnErkannt() {
    m_pRun->OnErkannt();
}

void CEinzelmessungDialog::OnTimer(int id) {
    m_pRun->OnTimer(id);
}

void CEinzelmessungDialog::accept() {
    if (m_pRun->IsPlaying() || !m_pRun->IsMeasured())
        return;
    QDialog::accept();
}

void CEinzelmessungDialog::reject() {
    if (m_pRun->IsPlaying())
        return;
    QDialog::reject();
}
