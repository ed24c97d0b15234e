#pragma once
// Drives the next modal dialog once its own event loop runs, so a test goes the user's way
// (exec(), real buttons) and still never waits for a person: a dialog the driver leaves open
// is closed, and the test fails.

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>

inline void OnNextModal(std::function<void(QDialog&)> drive) {
    QTimer::singleShot(0, [drive = std::move(drive)] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            ADD_FAILURE() << "no modal dialog";
            return;
        }
        drive(*dialog);
        if (dialog->isVisible()) {
            ADD_FAILURE() << "the dialog was left open";
            dialog->reject();
        }
    });
}
