// SPDX-License-Identifier: MIT
// "Find a Value": the small panel in a page that takes a result the page
// shows, the value it should have, and the input to find. The page says what
// it can find (a calc::SolveProblem built from the values on screen) and
// how to show a result; the panel solves, writes the value found into the
// input's field, has the page compute as after a click, and starts the
// working with the line of the solving.
#pragma once

#include "calc/find_value.h"

#include <QGroupBox>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class QComboBox;
class QLineEdit;
class QPushButton;
class QLabel;

namespace vora::widgets {
class MessageBoxes;
class WorkingPanel;
} // namespace vora::widgets

namespace vora::pages {

class SolvePanel : public QGroupBox {
public:
    struct Page {
        // The targets and unknowns of the values on screen.
        std::function<calc::SolveProblem()> problem;
        // Computes and shows the target as its click does.
        std::function<void(const calc::SolveTarget& target)> show;
        widgets::WorkingPanel* working = nullptr;
        // Why the page cannot compute now (a unit it does not know), if it cannot.
        std::function<std::optional<calc::Failure>()> refuse;
    };

    SolvePanel(widgets::MessageBoxes& messages, Page page, QWidget* parent);

    // Shows the panel with the page's results, `target` chosen if given, and
    // the focus in the target's value.
    void open(const std::string& target = {});
    void cmdSolve_Click();
    // An input of the page changed: the values found last are put away,
    // unless the change is the panel's own writing of one of them.
    void inputsChanged();

private:
    void fillLists(const std::string& target);
    void targetChanged();
    void solutionChosen(int index);
    // Writes `text` into the unknown's field and shows the target as computed.
    void apply(const QString& text);

    widgets::MessageBoxes& messages_;
    Page page_;
    calc::SolveProblem problem_;
    QComboBox* targets_ = nullptr;   // cboTarget
    QLineEdit* value_ = nullptr;     // txtTarget
    QComboBox* unit_ = nullptr;      // cboTargetUnit
    QComboBox* unknown_ = nullptr;   // cboUnknown
    QPushButton* solve_ = nullptr;   // cmdSolve
    QComboBox* solutions_ = nullptr; // cboSolution: where several values meet the target
    QLabel* solutionsLabel_ = nullptr;
    // The last solving, for a choice among its values.
    calc::SolveTarget solved_{};
    std::string unknownField_;
    std::vector<std::string> fieldTexts_;
    std::string line_;
    bool applying_ = false;
};

// Adds "Find a Value for This Result…" to the context menu of `label`,
// opening `panel` with `target` chosen.
void OfferFinding(QWidget* label, SolvePanel* panel, std::string target);
// The same where the target's name follows the page's choices.
void OfferFinding(QWidget* label, SolvePanel* panel, std::function<std::string()> target);

} // namespace vora::pages
