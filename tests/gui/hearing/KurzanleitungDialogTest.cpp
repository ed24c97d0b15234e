#include "gui/hearing/CKurzanleitungDialog.h"

#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>
#include <QTest>
#include <gtest/gtest.h>

namespace {

TEST(KurzanleitungDialogTest, StandsInTheTopRightCornerOfTheScreen) {
    CKurzanleitungDialog dlg;
    dlg.show();
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(dlg.frameGeometry().right() + 1, screen.right() + 1);
    EXPECT_EQ(dlg.frameGeometry().top(), screen.top());
}

TEST(KurzanleitungDialogTest, OkAndEscOnlyHideAndTheNextRequestShowsTheSameWindow) {
    CKurzanleitungDialog dlg;
    dlg.SetText("erster Text");
    dlg.show();
    ASSERT_TRUE(dlg.isVisible());

    QTest::mouseClick(dlg.findChild<QPushButton*>(QStringLiteral("1")), Qt::LeftButton);
    EXPECT_FALSE(dlg.isVisible());

    dlg.SetText("zweiter Text");
    dlg.show();
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(dlg.Text(), QStringLiteral("zweiter Text"));

    QTest::keyClick(&dlg, Qt::Key_Escape);
    EXPECT_FALSE(dlg.isVisible());
    dlg.show();
    EXPECT_EQ(dlg.Text(), QStringLiteral("zweiter Text"));
}

TEST(KurzanleitungDialogTest, GeneralTextJoinsBothStrings) {
    const std::string text = CKurzanleitungDialog::GeneralText();
    EXPECT_EQ(text.rfind("Für eine ausführliche Bedienungsanleitung", 0), 0u);
    // 139 ends with two line feeds and 150 follows directly.
    EXPECT_NE(text.find("Zeichenstift.\n\nSie können einen Hörtest"), std::string::npos);
    EXPECT_TRUE(text.ends_with("\"Ansicht > Links und Rechts zusammen\"."));
}

} // namespace
