#include "gui/app/CAboutDialog.h"

#include "core/app/CAUVOApp.h"
#include "core/app/StringTable.h"
#include "gui/app/CToolbarIcons.h"
#include "gui/platform/UiText.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

CAboutDialog::CAboutDialog(QWidget* parent)
    : QDialog(parent), m_pVersionText(new QLabel(this)), m_pMakerText(new QLabel(this)) {
    setWindowTitle(UiText(StringTable::kAboutTitle));
    setWindowFlag(Qt::WindowContextHelpButtonHint, false);

    auto* icon = new QLabel(this);
    icon->setPixmap(CToolbarIcons::ProgramIcon().pixmap(QSize(32, 32), devicePixelRatioF()));
    icon->setObjectName(QStringLiteral("programIcon"));
    icon->setAlignment(Qt::AlignTop);

    m_pVersionText->setObjectName(QStringLiteral("1020"));
    m_pVersionText->setText(QString::fromStdString(CAUVOApp::AboutText()));
    m_pMakerText->setText(UiText(StringTable::kAboutMaker));

    auto* texts = new QVBoxLayout;
    texts->addWidget(m_pVersionText);
    texts->addWidget(m_pMakerText);
    auto* top = new QHBoxLayout;
    top->addWidget(icon);
    top->addLayout(texts, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}
