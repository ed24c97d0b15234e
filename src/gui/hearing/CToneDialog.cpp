#include "gui/hearing/CToneDialog.h"

#include "core/app/CBaseApp.h"
#include "core/app/StringTable.h"
#include "gui/hearing/CHeldKeyFilter.h"
#include "gui/platform/UiText.h"

#include <QPushButton>
#include <QTimer>

CToneDialog::CToneDialog(QWidget* parent) : QDialog(parent), m_pTimer(new QTimer(this)) {
    // Modal to the main window only, so the short guide their "&Hilfe" opens can be read,
    // scrolled and closed while they are open.
    setWindowModality(Qt::WindowModal);
    new CHeldKeyFilter(this);
    connect(m_pTimer, &QTimer::timeout, this, [this] { OnTimer(1); });
}

bool CToneDialog::IsTimerRunning() const {
    return m_pTimer->isActive();
}

void CToneDialog::SetTimer(int /*id*/, int milliseconds) {
    m_pTimer->start(milliseconds);
}

void CToneDialog::KillTimer(int /*id*/) {
    m_pTimer->stop();
}

bool CToneDialog::Confirm(const std::string& text, bool information, bool withCancel) {
    CBaseApp* app = CBaseApp::Instance();
    return app != nullptr && app->Confirm(text, information, withCancel);
}

void CToneDialog::ToneRefused() {
    if (CBaseApp* app = CBaseApp::Instance())
        app->ErrorBoxId(StringTable::kNoSoundBuffer);
}

QPushButton* CToneDialog::MakeBigButton(const QString& text, QWidget* parent) {
    auto* button = new QPushButton(text, parent);
    QFont font = button->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 2.0);
    button->setFont(font);
    // In text lines, so it grows with the font and the screen's scaling.
    const int line = button->fontMetrics().height();
    button->setMinimumHeight(3 * line);
    button->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
    return button;
}

void CToneDialog::MakeDefault(QPushButton* button) {
    button->setDefault(true);
    button->setFocus(Qt::OtherFocusReason);
}
