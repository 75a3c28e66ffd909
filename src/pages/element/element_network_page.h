// SPDX-License-Identifier: MIT
// The common page of the resistor, capacitor and inductor networks: four
// elements with value, unit and Series/Parallel choice, a source, a button for
// the total and three result pairs. The three pages differ only in their
// ElementPageTexts and in the computations their subclasses plug in.
#pragma once

#include "calc/element_network.h"
#include "calc/outcome.h"
#include "element_page_texts.h"
#include "pages/page.h"

#include <array>
#include <optional>
#include <string>
#include <vector>

class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;

namespace vora::widgets {
class MessageBoxes;
class OptionButton;
class UnitList;
class WorkingPanel;
} // namespace vora::widgets

namespace vora::calc {
struct ElementKind;
}

namespace vora::pages {

class ElementTable;
class NetworkSketchView;
class UnitFollower;
class WholeNetworkResults;

class ElementNetworkPage : public Page {
    Q_OBJECT
public:
    ElementNetworkPage(const ElementPageTexts& texts, widgets::MessageBoxes& messages,
                       QWidget* parent = nullptr);

    // The load step: fills the five unit lists and selects their first units.
    void Form_Load();

    // Source choice: focus to the source field, only the chosen unit shown.
    void optI_Click();
    void optV_Click();
    // Reset menu: element k's options cleared and its field emptied; "&New"
    // does that for all four.
    void resetElement(int k);
    void mnuAll_Click();

    QMenu* resetMenu() const { return resetMenu_; }

    QString inputsAndResults() const override;

protected:
    // Connects every input to the page's refresh and Enter in a field to
    // the total; the subclass calls it once its handlers are wired.
    void watchInputs();
    // The choice element k has now.
    calc::Choice choiceOf(int k) const;
    bool sourceEmpty() const;
    // The first unit list that holds no unit it knows, as a failure.
    std::optional<calc::Failure> unknownUnit() const;
    void markTotalOutOfDate(const calc::Failure& why);
    void markElementOutOfDate(const calc::Failure& why);
    bool elementResultsShown() const;
    // "R2", "C2", "L2"
    std::string elementName(int k) const {
        return QString(texts_.messageLetter).toStdString() + std::to_string(k);
    }
    // The hint line: how to see an element's results, or which element to
    // connect so that a value typed after it counts.
    void updateHint();
    widgets::OptionButton* option(int k, calc::Choice choice) const;
    QPushButton* computeButton() const { return compute_; }

    calc::NetworkEntries networkEntries() const;
    calc::ElementClick elementClick(int k, calc::Choice option) const;
    // Shows the page's "Ajaja" box when the source field is exactly empty.
    void announceEmptySource();
    // `total` and the results are the values in their base units.
    void showTotal(const std::string& label, double total);
    void showElementResults(const std::array<calc::ResultCell, 3>& cells);
    // The whole network's results and the table of every element; cleared
    // when the network and the source cannot be computed.
    void showNetworkResults(const calc::NetworkResults& results);
    void clearNetworkResults();
    // The results these two show, for whoever needs to list them.
    std::vector<QWidget*> networkResultWidgets() const;
    const calc::ElementKind& kind() const;
    // The stored total as the compute button shows it in the unit at
    // `position`, for when the total's unit list changes.
    virtual calc::Outcome<std::string> totalInUnit(int position) const = 0;
    // The network the last result was obtained for, with element
    // `highlight` (0 for none) marked.
    void showSketch(const calc::Sketch& sketch, int highlight);

private:
    QGroupBox* buildFrame6(QWidget* parent);
    QWidget* buildElements();
    QLabel* buildHint();
    QLabel* hint_ = nullptr;
    QGroupBox* buildSource();
    QGroupBox* buildResults();
    QWidget* buildThirdPair();
    QWidget* buildExplanations();
    QWidget* buildWorking();
    void buildResetMenu();
    void connectionClicked(int k);

    const ElementPageTexts& texts_;

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
    UnitFollower* totalFollower_ = nullptr;
    std::array<QLabel*, 3> resultNames_{};
    std::array<QLabel*, 3> resultValues_{};
    std::array<QLabel*, 3> resultUnits_{};
    QMenu* resetMenu_ = nullptr;
    NetworkSketchView* sketch_ = nullptr;
    WholeNetworkResults* network_ = nullptr; // owned by the page
    ElementTable* table_ = nullptr;
};

} // namespace vora::pages
