#include "gui/hearing/CHoertestDatenDialog.h"

#include "core/app/CAUVOApp.h"
#include "core/app/StringTable.h"
#include "core/app/TextFormat.h"
#include "core/document/CAUVODoc.h"
#include "core/hearingtest/CEinzelmessungEntry.h"
#include "core/tinnitus/CTinnitusPause.h"
#include "gui/hearing/CEinzelmessungDialog.h"
#include "gui/hearing/CToneDialog.h"
#include "gui/platform/UiText.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

CHoertestDatenDialog::CHoertestDatenDialog(QWidget* parent, CAUVOApp& app, CAUVODoc& doc,
                                           IDirectSound* device)
    : QDialog(parent), m_app(app), m_doc(doc), m_pDevice(device) {
    setWindowTitle(UiText(StringTable::kDatenTitle));
    auto* links = new QGroupBox(UiText(StringTable::kLeft), this);
    m_pLinks = new QListWidget(links);
    m_pLinks->setObjectName(QStringLiteral("1024"));
    (new QVBoxLayout(links))->addWidget(m_pLinks);
    auto* rechts = new QGroupBox(UiText(StringTable::kRight), this);
    m_pRechts = new QListWidget(rechts);
    m_pRechts->setObjectName(QStringLiteral("1025"));
    (new QVBoxLayout(rechts))->addWidget(m_pRechts);

    auto* explanation = new QLabel(UiText(StringTable::kDatenExplanation), this);
    explanation->setAlignment(Qt::AlignCenter);
    explanation->setWordWrap(true);

    m_pEinzel = new QPushButton(UiText(StringTable::kDatenEinzelmessung), this);
    m_pEinzel->setObjectName(QStringLiteral("1026"));
    auto* ok = new QPushButton(UiText(StringTable::kButtonOk), this);
    ok->setObjectName(QStringLiteral("1"));
    ok->setDefault(true);
    auto* cancel = new QPushButton(UiText(StringTable::kButtonCancel), this);
    cancel->setObjectName(QStringLiteral("2"));

    auto* lists = new QHBoxLayout;
    lists->addWidget(links);
    lists->addWidget(rechts);
    auto* left = new QVBoxLayout;
    left->addLayout(lists, 1);
    left->addWidget(explanation);
    auto* buttons = new QVBoxLayout;
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    buttons->addStretch();
    buttons->addWidget(m_pEinzel);
    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);

    connect(ok, &QPushButton::clicked, this, &QDialog::accept);
    connect(cancel, &QPushButton::clicked, this, &CHoertestDatenDialog::reject);
    connect(m_pEinzel, &QPushButton::clicked, this, &CHoertestDatenDialog::OnEinzelMessung);
    connect(m_pLinks, &QListWidget::itemSelectionChanged, this,
            [this] { OnSelection(m_pLinks, m_pRechts); });
    connect(m_pRechts, &QListWidget::itemSelectionChanged, this,
            [this] { OnSelection(m_pRechts, m_pLinks); });

    FillLists();
    m_pEinzel->setEnabled(false);
    resize(sizeHint().width(), sizeHint().height() * 3 / 2);
}

QString CHoertestDatenDialog::Line(int frequency, long value) {
    return QString::fromStdString(
        FormatText("%d\t%.1f", frequency, static_cast<double>(value) * 0.01));
}

void CHoertestDatenDialog::FillLists() {
    const CHoertestDaten& daten = m_doc.m_HoertestDaten;
    for (int side = 0; side < 2; ++side) {
        QListWidget* list = List(side);
        list->clear();
        for (int i = 0; i < daten.GetCount(); ++i)
            list->addItem(Line(daten.GetFrequency(i), daten.GetValue(i, side)));
    }
}

void CHoertestDatenDialog::OnSelection(QListWidget* list, QListWidget* other) {
    // One mark across both lists.
    if (list->selectedItems().isEmpty())
        return;
    other->clearSelection();
    m_pEinzel->setEnabled(true);
}

void CHoertestDatenDialog::OnEinzelMessung() {
    int side = 0;
    int index = m_pLinks->selectedItems().isEmpty() ? -1 : m_pLinks->currentRow();
    if (index < 0) {
        side = 1;
        index = m_pRechts->selectedItems().isEmpty() ? -1 : m_pRechts->currentRow();
    }
    if (index < 0)
        return;
    CEinzelmessungEntry entry(m_app, m_doc, index, side);
    CEinzelmessungDialog dlg(this, entry.NormalNull(), entry.Ceiling(), entry.Frequency(),
                             entry.StartLevel(), side, entry.Pulsed(), m_pDevice);
    int result = QDialog::Rejected;
    {
        const CTinnitusPause pause(m_doc.m_TinnitusDaten);
        result = dlg.exec();
    }
    if (result != QDialog::Accepted)
        return;
    entry.TakeOver(dlg.Level());
    m_bChanged = true;
    FillLists();
}

void CHoertestDatenDialog::reject() {
    if (m_bChanged)
        m_doc.UpdateAllViews(nullptr, 0);
    QDialog::reject();
}
