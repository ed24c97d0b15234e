#include "gui/hearing/CHoertestDialog.h"

#include "core/app/CAUVOApp.h"
#include "core/app/StringTable.h"
#include "core/app/TextFormat.h"
#include "core/document/CAUVODoc.h"
#include "core/hearingtest/CHoertestRun.h"
#include "core/hearingtest/ToneDialogRules.h"
#include "gui/hearing/CKurzanleitungHost.h"
#include "gui/platform/UiText.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QVBoxLayout>

CHoertestDialog::CHoertestDialog(QWidget* parent, CAUVOApp& app, CAUVODoc& doc,
                                 IDirectSound* device)
    : CToneDialog(parent) {
    setWindowTitle(UiText(StringTable::kHoertestTitle));

    auto* accuracy = new QGroupBox(UiText(StringTable::kHoertestGenauigkeit), this);
    m_pStandard = Named(new QRadioButton(UiText(StringTable::kHoertestStandard)), "1000");
    m_pErweitert = Named(new QRadioButton(UiText(StringTable::kHoertestErweitert)), "1001");
    auto* accuracyLayout = new QVBoxLayout(accuracy);
    accuracyLayout->addWidget(m_pStandard);
    accuracyLayout->addWidget(m_pErweitert);

    auto* presentation = new QGroupBox(UiText(StringTable::kHoertestPraesentation), this);
    m_pDauerton = Named(new QRadioButton(UiText(StringTable::kDauerton)), "1002");
    m_pGepulst = Named(new QRadioButton(UiText(StringTable::kGepulsterTon)), "1003");
    auto* presentationLayout = new QVBoxLayout(presentation);
    presentationLayout->addWidget(m_pDauerton);
    presentationLayout->addWidget(m_pGepulst);

    m_pStartVol = Named(new QCheckBox(UiText(StringTable::kHoertestStartVol), this), "1017");
    m_pStartVolMore = Named(new QLabel(UiText(StringTable::kHoertestStartVolMore), this), "1018");
    m_pStartVolMore->setBuddy(m_pStartVol);
    // The label continues the check box's text, under it.
    m_pStartVolMore->setIndent(m_pStartVol->style()->pixelMetric(QStyle::PM_IndicatorWidth) +
                               m_pStartVol->style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing));
    m_pRandom = Named(new QCheckBox(UiText(StringTable::kHoertestZufall), this), "1023");

    auto* flow = new QGroupBox(UiText(StringTable::kHoertestAblauf), this);
    m_pStart = Named(new QPushButton(UiText(StringTable::kHoertestStart)), "1004");
    m_pStop = Named(new QPushButton(UiText(StringTable::kHoertestStop)), "1005");
    m_pStatus = Named(new QLabel(QStringLiteral("-")), "1006");
    m_pStatus->setMinimumWidth(m_pStatus->fontMetrics().horizontalAdvance(
        QString::fromStdString(FillText(StringTable::Load(StringTable::kHoertestProgress),
                                        {ToneDialogRules::SideName(1), "32", "32"}))));
    auto* flowLayout = new QGridLayout(flow);
    flowLayout->addWidget(m_pStart, 0, 0);
    flowLayout->addWidget(m_pStop, 0, 1);
    flowLayout->addWidget(new QLabel(UiText(StringTable::kHoertestStatus)), 1, 0);
    flowLayout->addWidget(m_pStatus, 1, 1);

    m_pErkannt = Named(MakeBigButton(UiText(StringTable::kHoertestErkannt), this), "1007");

    m_pEnde = Named(new QPushButton(UiText(StringTable::kButtonEnde), this), "1");
    m_pAbbrechen = Named(new QPushButton(UiText(StringTable::kButtonCancel), this), "2");
    m_pHilfe = Named(new QPushButton(UiText(StringTable::kButtonHilfe), this), "1013");

    auto* options = new QVBoxLayout;
    options->addWidget(accuracy);
    options->addWidget(presentation);
    options->addWidget(m_pStartVol);
    options->addWidget(m_pStartVolMore);
    options->addWidget(m_pRandom);
    options->addStretch();

    auto* test = new QVBoxLayout;
    test->addWidget(flow);
    test->addWidget(m_pErkannt, 1);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_pEnde);
    buttons->addWidget(m_pAbbrechen);
    buttons->addStretch();
    buttons->addWidget(m_pHilfe);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(options);
    layout->addLayout(test, 1);
    layout->addLayout(buttons);

    connect(m_pStart, &QPushButton::clicked, this, &CHoertestDialog::OnStart);
    connect(m_pStop, &QPushButton::clicked, this, &CHoertestDialog::OnStop);
    connect(m_pErkannt, &QPushButton::clicked, this, &CHoertestDialog::OnErkannt);
    connect(m_pHilfe, &QPushButton::clicked, this, &CHoertestDialog::OnHilfe);
    connect(m_pEnde, &QPushButton::clicked, this, &CHoertestDialog::accept);
    connect(m_pAbbrechen, &QPushButton::clicked, this, &CHoertestDialog::reject);

    m_pRun = std::make_unique<CHoertestRun>(app, doc, device, *this);
    m_pRun->Init();
    const CHoertestDaten& daten = m_pRun->Data();
    (daten.Interleaved != 0 ? m_pGepulst : m_pDauerton)->setChecked(true);
    // Neither for other counts: a start then plays 32.
    if (daten.GetCount() == 8 || daten.GetCount() == 32)
        (daten.GetCount() == 8 ? m_pStandard : m_pErweitert)->setChecked(true);
    Refresh();
}

CHoertestDialog::~CHoertestDialog() {
    KillTimer(1);
}

void CHoertestDialog::Refresh() {
    const bool running = m_pRun && m_pRun->IsRunning();
    for (QWidget* w : std::initializer_list<QWidget*>{m_pEnde, m_pAbbrechen, m_pStart, m_pStandard,
                                                      m_pErweitert, m_pDauerton, m_pGepulst,
                                                      m_pStartVol, m_pRandom, m_pStartVolMore})
        w->setEnabled(!running);
    m_pStop->setEnabled(running);
    m_pErkannt->setEnabled(running);
    m_pStatus->setText(m_pRun ? QString::fromStdString(m_pRun->StatusText()) : QStringLiteral("-"));
    if (running) {
        m_pEnde->setDefault(false);
        MakeDefault(m_pErkannt);
    } else {
        m_pErkannt->setDefault(false);
        m_pEnde->setDefault(true);
        if (m_bWasRunning)
            m_pEnde->setFocus(Qt::OtherFocusReason);
    }
    m_bWasRunning = running;
}

void CHoertestDialog::OnStart() {
    CHoertestRun::Options options;
    options.standard = m_pStandard->isChecked();
    options.pulsed = !m_pDauerton->isChecked();
    options.startVolFromDoc = m_pStartVol->isChecked();
    options.random = m_pRandom->isChecked();
    m_pRun->OnStart(options);
}

void CHoertestDialog::OnErkannt() {
    m_pRun->OnErkannt();
}

void CHoertestDialog::OnStop() {
    m_pRun->OnStop();
}

void CHoertestDialog::OnTimer(int id) {
    m_pRun->OnTimer(id);
}

void CHoertestDialog::OnHilfe() {
    if (CKurzanleitungHost* host = CKurzanleitungHost::Of(this))
        host->ShowKurzanleitung(StringTable::Load(StringTable::kHoertestAnleitung));
}

void CHoertestDialog::accept() {
    if (m_pRun->IsRunning())
        return;
    m_pRun->OnOK();
    QDialog::accept();
}

void CHoertestDialog::reject() {
    if (m_pRun->IsRunning())
        return;
    QDialog::reject();
}
