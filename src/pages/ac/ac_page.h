// SPDX-License-Identifier: MIT
// The single-phase AC page: a resistor, an inductor and a capacitor with
// their connections, a source, and buttons for the total impedance, the
// power factor and three powers. Double-clicking an element's connection
// option shows the current through it and the voltage across it.
//
// Every computing handler reads the fields it needs, hands them with a copy of
// the stored values to calc/, which builds and solves the circuit as
// connected, and commits the copy, the label texts, the working and the
// sketch only when the computation succeeded.
#pragma once

#include "calc/ac/ac_types.h"
#include "pages/page.h"

#include <array>
#include <string>
#include <string_view>
#include <vector>

class QGridLayout;
class QLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vora::widgets {
class MessageBoxes;
class OptionButton;
class UnitList;
class WorkingPanel;
} // namespace vora::widgets

namespace vora::pages {

class NetworkSketchView;
class VectorDiagramView;
class UnitFollower;

// A current or voltage result, which is rms: its tool-tip gives the peak too.
void ShowRms(QLabel* label, const std::string& text, double rms, std::string_view unit);
// A power result, which comes from rms values.
void ShowPowerResult(QLabel* label, const std::string& text, double value, std::string_view unit);

class FrmAC : public Page<calc::AcVars> {
    Q_OBJECT
public:
    explicit FrmAC(widgets::MessageBoxes& messages, QWidget* parent = nullptr);

    QString inputsAndResults() const override;

    // Load step: fills the seven unit lists and selects their first items.
    void Form_Load();

    // Option clicks: the focus goes to the element's entry field.
    void optR1s_Click();
    void optR1p_Click();
    void optXLs_Click();
    void optXLp_Click();
    void OPtXcs_Click();
    void OptXcp_Click();
    // Source choice: focus to txtIV and "A" or "V" selected in cboIV.
    void optI_Click();
    void optV_Click();

    // Reset menu: an element's options cleared and its field emptied.
    void SubmnuR1_Click();
    void mnuXL_Click();
    void MNUXc_Click();
    void mnuAll_Click();

    void cmdZT_Click();
    void cmdPF_Click();
    void cmdRP_Click();
    void cmdXL_Click();
    void cmdXC_Click();

    void optR1s_DblClick();
    void optR1p_DblClick();
    void optXLs_DblClick();
    void optXLp_DblClick();
    void OPtXcs_DblClick();
    void OptXcp_DblClick();

private:
    // One element's controls, in the order resistor, inductor, capacitor.
    struct ElementControls {
        QLineEdit* value = nullptr;
        widgets::UnitList* unit = nullptr;
        widgets::OptionButton* series = nullptr;
        widgets::OptionButton* parallel = nullptr;
    };

    QWidget* buildElements();
    QWidget* buildSource();
    QGroupBox* buildImpedance();
    QGroupBox* buildPowerFactor();
    QGroupBox* buildPowers();
    QGroupBox* buildElementResults();
    QWidget* buildExplanation();
    QLabel* buildHint();
    widgets::WorkingPanel* buildWorking();
    void buildResetMenu();
    void connectHandlers();

    // The page's computing events: the five buttons and an element's
    // results. Each remembers that its results are on screen, so that an
    // edit computes them again (refresh).
    enum class Event { Impedance, PowerFactor, Active, Reactive, Apparent, Element };
    struct Shown {
        Event event;
        calc::AcElement element = calc::AcElement::Resistor; // of Event::Element
        bool operator==(const Shown&) const = default;
    };

    calc::Choices<3> choices() const;
    calc::AcInputs inputs() const;
    void resetElement(int index);
    void focusElement(int index);
    // The event computed on a copy of the stored values; a unit list that
    // the event reads and that holds no unit it knows is a failure.
    calc::Outcome<calc::AcShown> run(const Shown& shown) const;
    // Clicks: run, report a failure, or commit and show.
    void click(const Shown& shown);
    // Writes the event's labels and pictures from a successful outcome.
    void showOutcome(const Shown& shown, const calc::AcShown& out);
    std::vector<QLabel*> labelsOf(Event event) const;
    void refresh() override;
    void watchInputs();
    void followUnits();
    void showElement(calc::AcElement element);

    std::vector<Shown> shown_; // events whose results are on screen, the last clicked last
    // The supply frequency, rms or peak, the picture of the circuit as chosen
    // and the further results (ac_page_more.cpp).
    QGroupBox* buildFrequency();
    QWidget* buildPeakChoice(QWidget* parent);
    QLayout* buildReactances(QWidget* parent);
    QGroupBox* buildResonance();
    void addSourceCurrent(QGridLayout* grid, int row, QWidget* parent);
    QLabel* addResult(QGridLayout* grid, int row, int column, const char* caption, const char* name,
                      const char* accessible, const char* unit, QWidget* parent);
    QWidget* buildPicture(QWidget* parent, int width);
    void updatePicture();
    // The reactances, the resonance and the source current an event computed.
    void showMore(const calc::AcShown& shown);

    std::array<ElementControls, 3> elements_{};
    widgets::OptionButton* optV_ = nullptr;
    widgets::OptionButton* optI_ = nullptr;
    QLineEdit* txtIV_ = nullptr;
    widgets::UnitList* cboIV_ = nullptr;
    widgets::UnitList* cboZT_ = nullptr;
    widgets::UnitList* cboI_ = nullptr;
    widgets::UnitList* cboV_ = nullptr;
    QPushButton* cmdZT_ = nullptr;
    QPushButton* cmdPF_ = nullptr;
    QPushButton* cmdRP_ = nullptr;
    QPushButton* cmdXL_ = nullptr;
    QPushButton* cmdXC_ = nullptr;
    QLabel* lblZT_ = nullptr;
    QLabel* lblPF_ = nullptr;
    QLabel* lblLG_ = nullptr;
    QLabel* lblP_ = nullptr;
    QLabel* lblXL_ = nullptr;
    QLabel* lblXC_ = nullptr;
    QLabel* lblI_ = nullptr;
    QLabel* lblv_ = nullptr;
    QLabel* lblIV_ = nullptr;
    QLabel* lblVV_ = nullptr;
    NetworkSketchView* sketch_ = nullptr;
    VectorDiagramView* phasors_ = nullptr;
    VectorDiagramView* power_ = nullptr;

    // What lblZT, lblIV and lblVV show, in ohms, amperes and volts, so that
    // they follow their unit lists.
    double shownImpedance_ = 0, shownCurrent_ = 0, shownVoltage_ = 0;
    UnitFollower* impedanceUnit_ = nullptr;
    UnitFollower* currentUnit_ = nullptr;
    UnitFollower* voltageUnit_ = nullptr;

    QLineEdit* txtF_ = nullptr;
    widgets::UnitList* cboF_ = nullptr;
    widgets::OptionButton* optRms_ = nullptr;
    widgets::OptionButton* optPeak_ = nullptr;
    QLabel* lblReactL_ = nullptr;
    QLabel* lblReactC_ = nullptr;
    QLabel* lblF0_ = nullptr;
    QLabel* lblW0_ = nullptr;
    QLabel* lblQF_ = nullptr;
    QLabel* lblIS_ = nullptr;
    QLabel* lblIA_ = nullptr;
    // The result labels added beside the buttons' own, in one list so that
    // the page can treat the results on screen alike.
    std::vector<QLabel*> moreResults_;
    NetworkSketchView* image1_ = nullptr;
};

} // namespace vora::pages
