// SPDX-License-Identifier: MIT
// Small helpers for driving pages in tests.
#pragma once

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>
#include <QString>
#include <QTest>
#include <QWidget>

#include <gtest/gtest.h>

namespace vora::testing {

// The named child, failing the test when it is missing.
template <class T>
T* Child(const QWidget& window, const QString& name) {
    T* child = window.findChild<T*>(name);
    EXPECT_NE(child, nullptr) << "no control named " << name.toStdString();
    return child;
}

inline QString Text(const QWidget& window, const QString& name) {
    if (auto* label = window.findChild<QLabel*>(name)) return label->text();
    if (auto* entry = window.findChild<QLineEdit*>(name)) return entry->text();
    if (auto* button = window.findChild<QAbstractButton*>(name)) return button->text();
    ADD_FAILURE() << "no text control named \"" << qPrintable(name) << "\"";
    return {};
}

inline void Type(const QWidget& window, const QString& name, const QString& text) {
    if (auto* entry = Child<QLineEdit>(window, name)) entry->setText(text);
}

inline void Click(const QWidget& window, const QString& name) {
    if (auto* button = Child<QAbstractButton>(window, name)) button->click();
}

// A double-click as the window system delivers it: press, release, then the
// second press as a double-click event alone, and its release.
inline void DoubleClick(QWidget* widget) {
    QTest::mousePress(widget, Qt::LeftButton);
    QTest::mouseRelease(widget, Qt::LeftButton);
    QTest::mouseDClick(widget, Qt::LeftButton);
    QTest::mouseRelease(widget, Qt::LeftButton);
}

} // namespace vora::testing
