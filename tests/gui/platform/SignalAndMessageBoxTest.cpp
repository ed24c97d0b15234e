#include "gui/platform/CQtMessageBoxService.h"
#include "gui/platform/CSignalWatcher.h"

#include <QAbstractButton>
#include <QApplication>
#include <QMainWindow>
#include <QMessageBox>
#include <QTimer>

#include <gtest/gtest.h>

#include <csignal>

TEST(SignalWatcher, SignalBeforeTheEventLoopIsKeptForLater) {
    CSignalWatcher watcher;
    EXPECT_FALSE(watcher.Poll());
    std::raise(SIGTERM);
    EXPECT_TRUE(watcher.Poll());
    EXPECT_EQ(watcher.LastSignal(), SIGTERM);
}

TEST(SignalWatcher, EachSignalEndsTheEventLoopWithCodeZero) {
    for (int sig : {SIGTERM, SIGINT, SIGHUP}) {
        CSignalWatcher watcher;
        int seen = 0;
        QObject::connect(&watcher, &CSignalWatcher::Terminate, [&](int s) { seen = s; });
        QTimer::singleShot(0, [sig] { std::raise(sig); });
        // Only a guard: the signal ends the loop long before.
        QTimer guard;
        guard.setSingleShot(true);
        QObject::connect(&guard, &QTimer::timeout, [] { QCoreApplication::exit(99); });
        guard.start(10000);
        EXPECT_EQ(QApplication::exec(), 0) << sig;
        EXPECT_EQ(seen, sig);
    }
}

namespace {
// Closes the next message box and notes what it showed.
struct BoxCloser {
    QString text, title;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    QWidget* parent = nullptr;
    void Arm() {
        QTimer::singleShot(0, [this] {
            auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
            ASSERT_NE(box, nullptr);
            text = box->text();
            title = box->windowTitle();
            icon = box->icon();
            parent = box->parentWidget();
            box->button(QMessageBox::Ok)->click();
        });
    }
};
} // namespace

TEST(MessageBoxes, StopAndInformationBoxesOwnedByTheMainWindow) {
    QMainWindow main;
    CQtMessageBoxService boxes;
    boxes.SetMainWindow(&main);
    BoxCloser closer;

    closer.Arm();
    boxes.Show("(1000) Keine Soundkarte", "AUVO", IMessageBoxService::Icon::Stop);
    EXPECT_EQ(closer.text, "(1000) Keine Soundkarte");
    EXPECT_EQ(closer.title, "AUVO");
    EXPECT_EQ(closer.icon, QMessageBox::Critical);
    if (!QApplication::activeWindow()) {
        EXPECT_EQ(closer.parent, &main);
    }

    closer.Arm();
    boxes.Show("Hinweis", "AUVO", IMessageBoxService::Icon::Information);
    EXPECT_EQ(closer.icon, QMessageBox::Information);

    closer.Arm();
    boxes.ShowSystemModal("Protokoll Schreibfehler / Close!");
    EXPECT_EQ(closer.text, "Protokoll Schreibfehler / Close!");
    EXPECT_EQ(closer.icon, QMessageBox::Critical);
}
