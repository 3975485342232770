// A shown entry window of type Window in a scratch working folder; deleted unchanged after the test.
#pragma once
#include <gtest/gtest.h>

#include <QApplication>
#include <QPointer>
#include <QSize>
#include <QStringList>
#include <QTest>

#include "support/test_folder.h"

namespace dz::test {

template <typename Window>
class EntryWindowFixture : public ::testing::Test {
protected:
    // `size` shows enough of the pages for the tests; `folders` are made in the working folder.
    EntryWindowFixture(QSize size, QStringList folders) : size_(size), folders_(std::move(folders)) {}

    void SetUp() override {
        for (const QString& name : folders_) folder.makeFolder(name);
        window = new Window;
        window->resize(size_);
        window->show();
        QApplication::setActiveWindow(window);
        ASSERT_TRUE(QTest::qWaitForWindowActive(window));
    }
    void TearDown() override {
        if (window) {
            window->SetModified(false);
            delete window.data();
        }
    }

    TestFolder folder;
    QPointer<Window> window;

private:
    QSize size_;
    QStringList folders_;
};

}  // namespace dz::test
