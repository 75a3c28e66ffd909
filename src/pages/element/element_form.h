// SPDX-License-Identifier: MIT
// The controls of the resistor, capacitor and inductor pages, built from
// their ElementTexts: four elements with value, unit and Series/Parallel
// choice, a source, a button for the total and three result pairs, the
// whole network's results, the table of every element, the working and the
// sketch. The form reads the entries for the calc events and writes their
// results; it computes nothing.
#pragma once

#include "calc/element_network.h"
#include "calc/outcome.h"
#include "element_texts.h"
#include "pages/calculation_page.h"

#include <array>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMainWindow;
class QMenu;
class QPushButton;
class QWidget;

namespace vora::widgets {
class OptionButton;
class UnitList;
} // namespace vora::widgets

namespace vora::pages {

class ElementTable;
class NetworkSketchView;
class PageCore;
class WholeNetworkResults;

class ElementForm {
public:
    ElementForm(const ElementTexts& texts, QMainWindow& window, PageCore& core);
    ElementForm(const ElementForm&) = delete;
    ElementForm& operator=(const ElementForm&) = delete;

    // The load step: fills the unit lists and selects their first units.
    void Form_Load();
    // Source choice: focus to the source field, only the chosen unit shown.
    void optI_Click();
    void optV_Click();

    const ElementTexts& texts() const { return texts_; }
    const calc::ElementKind& kind() const { return *texts_.kind; }
    QLabel* totalLabel() const { return total_; }
    QPushButton* computeButton() const { return compute_; }
    widgets::OptionButton* option(int k, calc::Choice choice) const;
    const QLineEdit* source() const { return txtIV_; }
    QMenu* resetMenu() const { return resetMenu_; }
    // The Reset menu's item of element k, and "&New".
    QAction* resetAction(int k) const;
    QAction* newAction() const { return new_; }

    // Connects every input to the page's refresh and Enter in a field to
    // the total.
    void watchInputs();
    // Element k's options cleared and its field emptied.
    void clearElement(int k);

    // The choice element k has now.
    calc::Choice choiceOf(int k) const;
    bool sourceEmpty() const;
    // "R2", "C2", "L2"
    std::string elementName(int k) const;
    // The first unit list that holds no unit it knows, as a failure.
    std::optional<calc::Failure> unknownUnit() const;
    calc::NetworkEntries networkEntries() const;
    calc::ElementClick elementClick(int k, calc::Choice option) const;

    // The result labels in the order of calc::NetworkLabel, the pictures in
    // that of calc::NetworkPicture.
    std::vector<QLabel*> resultLabels() const;
    std::vector<QWidget*> pictures() const;
    void markTotalOutOfDate(const calc::Failure& why);
    void markElementOutOfDate(const calc::Failure& why);
    // The hint line: how to see an element's results, or which element to
    // connect so that a value typed after it counts.
    void updateHint();

    PageReport report() const;

private:
    QGroupBox* buildFrame6(QWidget* parent);
    QWidget* buildElements();
    QLabel* buildHint();
    QGroupBox* buildSource();
    QGroupBox* buildResults();
    QWidget* buildThirdPair();
    QWidget* buildExplanations();
    QWidget* buildWorking();
    void buildResetMenu();
    void showSourceUnit(bool voltage);
    std::vector<QWidget*> networkResultWidgets() const;

    const ElementTexts& texts_;
    QMainWindow& window_;
    PageCore& core_;

    std::array<QLineEdit*, 4> values_{};
    std::array<widgets::UnitList*, 4> units_{};
    std::array<widgets::OptionButton*, 4> series_{};
    std::array<widgets::OptionButton*, 4> parallel_{};
    widgets::OptionButton* optI_ = nullptr;
    widgets::OptionButton* optV_ = nullptr;
    QLineEdit* txtIV_ = nullptr;
    QLabel* lblIV_ = nullptr;
    QLabel* lblVI_ = nullptr;
    widgets::UnitList* cboIV_ = nullptr; // beside lblIV
    widgets::UnitList* cboVI_ = nullptr; // beside lblVI
    widgets::UnitList* totalUnit_ = nullptr;
    QPushButton* compute_ = nullptr;
    QLabel* total_ = nullptr;
    QLabel* hint_ = nullptr;
    std::array<QLabel*, 3> resultNames_{};
    std::array<QLabel*, 3> resultValues_{};
    std::array<QLabel*, 3> resultUnits_{};
    QMenu* resetMenu_ = nullptr;
    std::array<QAction*, 4> resetActions_{};
    QAction* new_ = nullptr;
    NetworkSketchView* sketch_ = nullptr;
    WholeNetworkResults* network_ = nullptr; // owned by the window
    ElementTable* table_ = nullptr;
};

} // namespace vora::pages
