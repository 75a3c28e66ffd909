// SPDX-License-Identifier: MIT
// One virtual X server and one driver per test; steps that fail are
// reported with what was done and seen, and the program is started afresh
// so that the remaining steps still run.
#pragma once

#include "driver.h"

#include <QApplication>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>
#include <memory>

namespace vora::real_input {

class RealInput : public ::testing::Test {
protected:
    void SetUp() override {
        // The offscreen mirror cannot raise windows or pass size hints on, and
        // says so for every window; that is of no interest here.
        static const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType type, const QMessageLogContext& context, const QString& text) {
                if (!text.startsWith("This plugin does not support")) previous(type, context, text);
            });
        // The mirror must lay out its menus as the program does.
        QApplication::setStyle(QStyleFactory::create("Fusion"));
        try {
            server_ = std::make_unique<XServer>();
        } catch (const std::exception& e) {
            GTEST_SKIP() << e.what();
        }
        driver_ = std::make_unique<Driver>(*server_, VORA_PROGRAM, home_.path().toStdString());
    }

    Driver& driver() { return *driver_; }

    // Runs one step; a failure is reported and the program restarted.
    void Steps(const std::function<void()>& body) {
        try {
            body();
        } catch (const StepFailure& failure) {
            ADD_FAILURE() << failure.what();
            try {
                driver_->Start();
                driver_->AnswerPreface(false);
            } catch (const StepFailure& again) {
                FAIL() << "and the program cannot be started again: " << again.what();
            }
        }
    }

    QTemporaryDir home_;
    std::unique_ptr<XServer> server_;
    std::unique_ptr<Driver> driver_;
};

} // namespace vora::real_input
