#include "gui/hearing/CEichDialog.h"

#include "core/app/CAUVOApp.h"
#include "core/app/StringTable.h"
#include "core/hearingtest/CEichRun.h"
#include "gui/hearing/CKurzanleitungHost.h"
#include "gui/platform/UiText.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <QValidator>

#include <algorithm>

// What the user types is at most kMaxTyped characters; the dialog's own text may be longer.
// That text must count as valid too: the line edit lets any change through from a text its
// validator refused, and the limit would be gone. The allowance shrinks as the user shortens it.
class CEichDialog::TypedLength : public QValidator {
public:
    using QValidator::QValidator;
    // Before the dialog sets its own text.
    void AllowOwnText(const QString& text) {
        m_allowed = std::max<qsizetype>(CEichDialog::kMaxTyped, text.size());
    }
    State validate(QString& input, int& /*pos*/) const override {
        if (input.size() > m_allowed)
            return Invalid;
        m_allowed = std::max<qsizetype>(CEichDialog::kMaxTyped, input.size());
        return Acceptable;
    }

private:
    mutable qsizetype m_allowed = CEichDialog::kMaxTyped;
};

CEichDialog::CEichDialog(QWidget* parent, CAUVOApp& app) : CToneDialog(parent) {
    setWindowTitle(UiText(StringTable::kEichenTitle));

    auto* explanation = new QLabel(UiText(StringTable::kEichenExplanation), this);
    explanation->setWordWrap(true);
    m_pStart = Named(new QPushButton(UiText(StringTable::kButtonStart), this), "1004");
    m_pErkannt = Named(MakeBigButton(UiText(StringTable::kEichenErkannt), this), "1007");
    m_pField = Named(new QLineEdit(this), "1016");
    m_pLength = new TypedLength(m_pField);
    m_pField->setValidator(m_pLength);
    m_pField->setMaximumWidth(m_pField->fontMetrics().horizontalAdvance(QStringLiteral("-100.00")) +
                              4 * m_pField->fontMetrics().averageCharWidth());
    m_pOK = Named(new QPushButton(UiText(StringTable::kButtonOk), this), "1");
    m_pAbbrechen = Named(new QPushButton(UiText(StringTable::kButtonCancel), this), "2");
    m_pHilfe = Named(new QPushButton(UiText(StringTable::kButtonHilfe), this), "1013");

    auto* setting = new QHBoxLayout;
    setting->addWidget(new QLabel(UiText(StringTable::kEichenSetting), this));
    setting->addWidget(m_pField);
    setting->addWidget(new QLabel(UiText(StringTable::kEichenUnit), this));
    setting->addStretch();

    auto* left = new QVBoxLayout;
    left->addWidget(explanation);
    left->addWidget(m_pStart, 0, Qt::AlignLeft);
    left->addWidget(m_pErkannt, 1);
    left->addLayout(setting);

    auto* buttons = new QVBoxLayout;
    buttons->addWidget(m_pOK);
    buttons->addWidget(m_pAbbrechen);
    buttons->addStretch();
    buttons->addWidget(m_pHilfe);

    auto* layout = new QHBoxLayout(this);
    layout->addLayout(left, 1);
    layout->addLayout(buttons);

    connect(m_pStart, &QPushButton::clicked, this, &CEichDialog::OnStart);
    connect(m_pErkannt, &QPushButton::clicked, this, &CEichDialog::OnErkannt);
    connect(m_pHilfe, &QPushButton::clicked, this, &CEichDialog::OnHilfe);
    connect(m_pOK, &QPushButton::clicked, this, &CEichDialog::accept);
    connect(m_pAbbrechen, &QPushButton::clicked, this, &CEichDialog::reject);

    m_pRun = std::make_unique<CEichRun>(app, app.m_pDirectSound, *this);
    SetFieldText();
    m_pOK->setDefault(true);
    Refresh();
}

CEichDialog::~CEichDialog() = default;

void CEichDialog::Refresh() {
    const bool locked = m_pRun && m_pRun->IsLocked();
    m_pStart->setEnabled(!locked);
    m_pOK->setEnabled(!locked);
    m_pAbbrechen->setEnabled(!locked);
    m_pField->setEnabled(!locked);
    m_pErkannt->setEnabled(m_pRun && m_pRun->IsErkanntEnabled());
    if (locked && !m_bWasLocked)
        m_pErkannt->setFocus(Qt::OtherFocusReason);
    if (m_pRun && m_pRun->ResultCount() != m_nResultsShown) {
        // The result stands in the field; OK takes it.
        m_nResultsShown = m_pRun->ResultCount();
        SetFieldText();
        m_pOK->setFocus(Qt::OtherFocusReason);
    }
    m_bWasLocked = locked;
}

void CEichDialog::SetFieldText() {
    const QString text = QString::fromStdString(m_pRun->FieldText());
    m_pLength->AllowOwnText(text);
    m_pField->setText(text);
}

void CEichDialog::OnStart() {
    m_pRun->OnStart();
}

void CEichDialog::OnErkannt() {
    m_pRun->OnErkannt();
}

void CEichDialog::OnTimer(int id) {
    m_pRun->OnTimer(id);
}

void CEichDialog::OnHilfe() {
    if (CKurzanleitungHost* host = CKurzanleitungHost::Of(this))
        host->ShowKurzanleitung(StringTable::Load(StringTable::kEichenAnleitung));
}

void CEichDialog::accept() {
    if (m_pRun->IsLocked())
        return;
    if (!m_pRun->OnOK(m_pField->text().left(15).toStdString())) {
        m_pField->setFocus(Qt::OtherFocusReason);
        return;
    }
    QDialog::accept();
}

void CEichDialog::reject() {
    if (m_pRun->IsLocked())
        return;
    QDialog::reject();
}
