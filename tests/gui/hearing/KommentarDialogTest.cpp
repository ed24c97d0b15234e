#include "core/app/CBaseApp.h"
#include "gui/hearing/CKommentarDialog.h"
#include "support/RecordingMessageBoxes.h"

#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const ReleaseStamp kStamp{2, 10};

class KommentarDialogTest : public testing::Test {
protected:
    KommentarDialogTest() { app.SetMessageBoxService(&boxes); }
    ~KommentarDialogTest() override { app.SetMessageBoxService(nullptr); }

    // Opens the dialog without a modal loop, types the text and presses OK.
    bool Confirm(CKommentarDialog& dlg, const QString& typed) {
        dlg.show();
        dlg.Edit()->setPlainText(typed);
        dlg.accept();
        return dlg.result() == QDialog::Accepted && !dlg.isVisible();
    }

    RecordingMessageBoxes boxes;
    CBaseApp app{kStamp};
};

TEST_F(KommentarDialogTest, AcceptsUpToFiveHundredCharactersAndRefusesMore) {
    CKommentarDialog dlg;
    EXPECT_FALSE(Confirm(dlg, QString(501, QChar('x'))));
    EXPECT_TRUE(dlg.isVisible()) << "a refused OK keeps the dialog open";
    ASSERT_EQ(boxes.Texts().size(), 1u);
    EXPECT_EQ(boxes.Texts()[0], "Geben Sie bitte nicht mehr als 500 Zeichen ein.");
    EXPECT_TRUE(dlg.m_strKommentar.empty());

    EXPECT_TRUE(Confirm(dlg, QString(500, QChar('x'))));
    EXPECT_EQ(dlg.m_strKommentar, std::string(500, 'x'));
    EXPECT_EQ(boxes.Texts().size(), 1u);
}

TEST_F(KommentarDialogTest, LimitCountsCharactersNotBytes) {
    CKommentarDialog dlg;
    EXPECT_TRUE(Confirm(dlg, QString(500, QChar(0x00FC)))); // 500 x "ü", 1000 bytes in UTF-8
    EXPECT_EQ(QString::fromStdString(dlg.m_strKommentar).size(), 500);
}

TEST_F(KommentarDialogTest, LineBreaksReachTheCommentAsCrLf) {
    CKommentarDialog dlg;
    dlg.m_strKommentar = "alt";
    dlg.show();
    EXPECT_EQ(dlg.Edit()->toPlainText(), QStringLiteral("alt"));
    dlg.Edit()->setPlainText(QStringLiteral("Zeile 1\nZeile 2\n\nZeile 4"));
    dlg.accept();
    EXPECT_EQ(dlg.m_strKommentar, "Zeile 1\r\nZeile 2\r\n\r\nZeile 4");

    // Each stored break takes two of the 500 characters.
    CKommentarDialog full;
    EXPECT_FALSE(Confirm(full, QString(499, QChar('x')) + QChar('\n')));
    EXPECT_TRUE(Confirm(full, QString(498, QChar('x')) + QChar('\n')));
}

TEST_F(KommentarDialogTest, EnterInTheEditorBreaksTheLineThoughOkIsTheDefault) {
    CKommentarDialog dlg;
    dlg.m_strKommentar = "oben";
    dlg.show();
    auto* ok = dlg.findChild<QPushButton*>(QStringLiteral("1"));
    ASSERT_NE(ok, nullptr);
    EXPECT_TRUE(ok->isDefault());

    dlg.Edit()->setFocus();
    dlg.Edit()->moveCursor(QTextCursor::End);
    QTest::keyClick(dlg.Edit(), Qt::Key_Return);
    QTest::keyClicks(dlg.Edit(), QStringLiteral("unten"));
    EXPECT_TRUE(dlg.isVisible());
    EXPECT_EQ(dlg.result(), QDialog::Rejected) << "Enter must not accept";
    QTest::mouseClick(ok, Qt::LeftButton);
    EXPECT_EQ(dlg.result(), QDialog::Accepted);
    EXPECT_EQ(dlg.m_strKommentar, "oben\r\nunten");
}

TEST_F(KommentarDialogTest, CrLfAndLfOnlyCommentsShowAlikeAndKeepCrLf) {
    for (const char* stored : {"eins\r\nzwei", "eins\nzwei"}) {
        CKommentarDialog dlg;
        dlg.m_strKommentar = stored;
        dlg.show();
        EXPECT_EQ(dlg.Edit()->toPlainText(), QStringLiteral("eins\nzwei"));
        dlg.accept();
        EXPECT_EQ(dlg.m_strKommentar, "eins\r\nzwei");
    }
}

TEST_F(KommentarDialogTest, CancelLeavesTheCommentAlone) {
    CKommentarDialog dlg;
    dlg.m_strKommentar = "bleibt";
    dlg.show();
    dlg.Edit()->setPlainText(QStringLiteral("anders"));
    dlg.reject();
    EXPECT_EQ(dlg.m_strKommentar, "bleibt");
    EXPECT_EQ(dlg.result(), QDialog::Rejected);
}

} // namespace
