// SPDX-License-Identifier: MIT
// The AC page's controls, built from its texts table: the form reads the
// entries for the calc events and writes the labels the events return. It
// computes nothing.
#pragma once

#include "ac_texts.h"
#include "calc/ac/ac_types.h"

#include <QString>
#include <array>
#include <functional>
#include <string>

class QAction;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLayout;
class QLineEdit;
class QMainWindow;
class QPushButton;
class QWidget;

namespace vora::widgets {
class OptionButton;
class UnitList;
class WorkingPanel;
} // namespace vora::widgets

namespace vora::pages {

class NetworkSketchView;
class VectorDiagramView;

struct AcForm {
    // One element's controls, in the order resistor, inductor, capacitor.
    struct Element {
        QLineEdit* value = nullptr;
        widgets::UnitList* unit = nullptr;
        widgets::OptionButton* series = nullptr;
        widgets::OptionButton* parallel = nullptr;
    };

    explicit AcForm(const AcTexts& texts)
        : texts(texts) {}

    // The controls into `window`'s body and its Reset menu. `makeWorking`
    // makes the working area where the form places it, so that its place in
    // the focus chain follows the controls before it.
    void build(QMainWindow* window,
               const std::function<widgets::WorkingPanel*(QWidget*)>& makeWorking);
    // The unit lists' items, their first selected.
    void fillLists();

    calc::Choices<3> choices() const;
    calc::AcInputs inputs() const;

    // The result labels in the order of calc::AcLabel, and the pictures in
    // that of calc::AcPicture.
    std::vector<QLabel*> resultLabels() const;
    std::vector<QWidget*> pictures() const;
    // The copied text's lines of inputs and results, without the working.
    QStringList report() const;

    const AcTexts& texts;
    std::array<Element, 3> elements{};
    std::array<QAction*, 4> resets{}; // as AcTexts::resets
    widgets::OptionButton* optV = nullptr;
    widgets::OptionButton* optI = nullptr;
    widgets::OptionButton* optRms = nullptr;
    widgets::OptionButton* optPeak = nullptr;
    QLineEdit* txtIV = nullptr;
    widgets::UnitList* cboIV = nullptr;
    QLineEdit* txtF = nullptr;
    widgets::UnitList* cboF = nullptr;
    QPushButton* cmdZT = nullptr;
    QLabel* lblZT = nullptr;
    widgets::UnitList* cboZT = nullptr;
    QPushButton* cmdPF = nullptr;
    QLabel* lblPF = nullptr;
    QLabel* lblLG = nullptr;
    std::array<QPushButton*, 3> powerButtons{}; // cmdRP, cmdXL, cmdXC
    std::array<QLabel*, 3> powers{};            // lblP, lblXL, lblXC
    QLabel* lblI = nullptr;
    QLabel* lblv = nullptr;
    QLabel* lblIV = nullptr;
    QLabel* lblVV = nullptr;
    widgets::UnitList* cboI = nullptr;
    widgets::UnitList* cboV = nullptr;
    QLabel* lblReactL = nullptr;
    QLabel* lblReactC = nullptr;
    QLabel* lblF0 = nullptr;
    QLabel* lblW0 = nullptr;
    QLabel* lblQF = nullptr;
    QLabel* lblIS = nullptr;
    QLabel* lblIA = nullptr;
    NetworkSketchView* image1 = nullptr;
    NetworkSketchView* sketch = nullptr;
    VectorDiagramView* phasors = nullptr;
    VectorDiagramView* power = nullptr;

private:
    QWidget* buildElements(QWidget* parent);
    QWidget* buildSource(QWidget* parent);
    QGroupBox* buildFrequency(QWidget* parent);
    QWidget* buildPeakChoice(QWidget* parent);
    QGroupBox* buildImpedance(QWidget* parent);
    QLayout* buildReactances(QWidget* parent);
    QGroupBox* buildPowerFactor(QWidget* parent);
    QGroupBox* buildPowers(QWidget* parent);
    void addSourceCurrent(QGridLayout* grid, int row, QWidget* parent);
    QGroupBox* buildElementResults(QWidget* parent);
    QGroupBox* buildResonance(QWidget* parent);
    QWidget* buildExplanation(QWidget* parent);
    QLabel* buildHint(QWidget* parent);
    widgets::WorkingPanel*
    buildWorking(QWidget* parent, const std::function<widgets::WorkingPanel*(QWidget*)>& make);
    void buildResetMenu(QMainWindow* window);
};

} // namespace vora::pages
