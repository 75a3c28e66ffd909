// SPDX-License-Identifier: MIT
// A three-phase page's controls, built from its texts table: a band of
// explanation, the star/delta choice, three entries on the left and four
// caption labels with their results on the right. The form reads the entries
// for a caption click and writes its result; it computes nothing.
#pragma once

#include "three_phase_texts.h"

#include <QStringList>
#include <array>
#include <functional>

class QAction;
class QGridLayout;
class QLabel;
class QLineEdit;
class QMainWindow;
class QWidget;

namespace vora::widgets {
class ClickableLabel;
class OptionButton;
class WorkingPanel;
} // namespace vora::widgets

namespace vora::pages {

class VectorDiagramView;

struct ThreePhaseForm {
    explicit ThreePhaseForm(const ThreePhaseTexts& texts)
        : texts(texts) {}

    // The controls into `window`'s body; `makeWorking` makes the working
    // area where the form places it.
    void build(QMainWindow* window,
               const std::function<widgets::WorkingPanel*(QWidget*)>& makeWorking);

    calc::ThreePhaseEntries entries() const;
    void markOutOfDate(calc::Caption caption, const QString& why);
    // The copied text's lines of inputs and results, without the working.
    QStringList report() const;

    const ThreePhaseTexts& texts;
    widgets::OptionButton* optY = nullptr;
    widgets::OptionButton* optD = nullptr;
    std::array<QLineEdit*, 3> entryFields{}; // txtIT, txtVT, txtZT
    std::array<widgets::ClickableLabel*, 4> captions{};
    std::array<QLabel*, 4> results{}; // lblI0, lblV0, lblZ0, lblS0
    VectorDiagramView* voltages = nullptr;
    QAction* clearEntries = nullptr; // Ctrl+N

private:
    QWidget* buildConnection(QWidget* parent);
    void buildInputs(QGridLayout* grid, int firstRow);
    void buildOutputs(QGridLayout* grid, int firstRow);
    void buildClearEntries(QMainWindow* window);
    void setFocusOrder();
};

} // namespace vora::pages
