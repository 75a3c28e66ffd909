// SPDX-License-Identifier: MIT
#include "event_cases.h"

#include "page_ids.h"
#include "pages/ac/ac_page.h"
#include "pages/element/element_page.h"
#include "pages/three_phase/three_phase_pages.h"
#include "pages/transient/transient_page.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>
#include <array>
#include <stdexcept>
#include <tuple>

namespace vora::bench {

namespace {

template <class T> T* Require(QMainWindow& page, const QString& name) {
    if (T* child = page.findChild<T*>(name)) return child;
    throw std::runtime_error(page.objectName().toStdString() + " has no control named " +
                             name.toStdString());
}

void Type(QMainWindow& page, const QString& entry, const QString& text) {
    Require<QLineEdit>(page, entry)->setText(text);
}
void Click(QMainWindow& page, const QString& button) {
    Require<QAbstractButton>(page, button)->click();
}
void Unit(QMainWindow& page, const QString& list, int position) {
    Require<QComboBox>(page, list)->setCurrentIndex(position);
}

template <class P> using Handler = void (P::*)();

template <class P> std::function<void(QMainWindow&)> Call(Handler<P> handler) {
    return [handler](QMainWindow& page) { (static_cast<P&>(page).*handler)(); };
}

// --- resistor, inductor and capacitor pages ---------------------------------

struct ElementPage {
    const char* page;
    char letter;       // of the control names: txtR1, optC2p, ...
    const char* total; // the compute button
    int unit;          // of every element: Ohm, mH, µF
};

// Four elements, all connected the same way (`option` 's' or 'p'), fed by
// 12 V, and the total computed once, as a user does before double-clicking.
std::function<void(QMainWindow&)> ElementSetup(const ElementPage& e, char option) {
    return [e, option](QMainWindow& page) {
        const char* values[] = {"10", "22", "47", "100"};
        for (int k = 1; k <= 4; ++k) {
            const QString n = QString(e.letter) + QString::number(k);
            Type(page, "txt" + n, values[k - 1]);
            Unit(page, "cbo" + n, e.unit);
            Click(page, "opt" + n + option);
        }
        Click(page, "optV");
        Type(page, "txtIV", "12");
        Click(page, e.total);
    };
}

template <class P>
void AddElementCases(std::vector<EventCase>& cases, const ElementPage& e, Handler<P> total,
                     const std::array<Handler<P>, 8>& doubles) {
    const QString first = QString(e.letter) + "1";
    cases.push_back({e.page,
                     std::string(e.total) + "_Click",
                     ElementSetup(e, 's'),
                     {{"txt" + first, "10", "15"}},
                     {},
                     Call<P>(total)});
    // Element k's Series and Parallel options, each double-clicked with the
    // whole network connected that way.
    for (int i = 0; i < 8; ++i) {
        const char option = i % 2 ? 'p' : 's';
        const std::string name =
            "opt" + std::string(1, e.letter) + std::to_string(i / 2 + 1) + option + "_DblClick";
        cases.push_back({e.page,
                         name,
                         ElementSetup(e, option),
                         {{"txtIV", "12", "9"}},
                         {},
                         Call<P>(doubles[static_cast<std::size_t>(i)])});
    }
}

template <class P> std::array<Handler<P>, 8> ChainDoubles() {
    return {&P::optR1s_DblClick, &P::optR1p_DblClick, &P::optR2s_DblClick, &P::optR2p_DblClick,
            &P::optR3s_DblClick, &P::optR3p_DblClick, &P::optR4s_DblClick, &P::optR4p_DblClick};
}

// --- AC page ------------------------------------------------------------------

// 100 Ohm, 1 H and 10 µF, all connected the same way, fed by 10 V; the
// impedance and the power factor computed once.
std::function<void(QMainWindow&)> AcSetup(char option) {
    return [option](QMainWindow& page) {
        const bool series = option == 's';
        Type(page, "txtR1", "100");
        Click(page, series ? "optR1s" : "optR1p");
        Type(page, "txtXL", "1");
        Click(page, series ? "optXLs" : "optXLp");
        Type(page, "txtXC", "10");
        Unit(page, "cboXC", 1);
        Click(page, series ? "OPtXcs" : "OptXcp");
        Click(page, "optV");
        Type(page, "txtIV", "10");
        Click(page, "cmdZT");
        Click(page, "cmdPF");
    };
}

void AddAcCases(std::vector<EventCase>& cases) {
    using P = pages::FrmAC;
    const Alternating resistor{"txtR1", "100", "150"};
    const Alternating source{"txtIV", "10", "12"};
    const auto impedance = [](QMainWindow& page) { static_cast<P&>(page).cmdZT_Click(); };
    cases.push_back(
        {"FrmAC", "cmdZT_Click", AcSetup('s'), {resistor}, {}, Call<P>(&P::cmdZT_Click)});
    cases.push_back(
        {"FrmAC", "cmdPF_Click", AcSetup('s'), {resistor}, impedance, Call<P>(&P::cmdPF_Click)});
    const std::pair<const char*, Handler<P>> powers[] = {
        {"cmdRP_Click", &P::cmdRP_Click},
        {"cmdXL_Click", &P::cmdXL_Click},
        {"cmdXC_Click", &P::cmdXC_Click},
    };
    for (const auto& [name, handler] : powers)
        cases.push_back({"FrmAC", name, AcSetup('s'), {source}, {}, Call<P>(handler)});
    const std::tuple<const char*, char, Handler<P>> doubles[] = {
        {"optR1s_DblClick", 's', &P::optR1s_DblClick},
        {"optR1p_DblClick", 'p', &P::optR1p_DblClick},
        {"optXLs_DblClick", 's', &P::optXLs_DblClick},
        {"optXLp_DblClick", 'p', &P::optXLp_DblClick},
        {"OPtXcs_DblClick", 's', &P::OPtXcs_DblClick},
        {"OptXcp_DblClick", 'p', &P::OptXcp_DblClick},
    };
    for (const auto& [name, option, handler] : doubles)
        cases.push_back({"FrmAC", name, AcSetup(option), {source}, {}, Call<P>(handler)});
}

// --- three-phase pages ----------------------------------------------------------

// Star connection, 10 A, 400 V, 40 Ohm.
void ThreePhaseSetup(QMainWindow& page) {
    Click(page, "optY");
    Type(page, "txtIT", "10");
    Type(page, "txtVT", "400");
    Type(page, "txtZT", "40");
}

void AddThreePhaseCases(std::vector<EventCase>& cases, const char* page) {
    using P = pages::ThreePhasePage;
    const Alternating current{"txtIT", "10", "12"};
    const Alternating voltage{"txtVT", "400", "230"};
    const Alternating impedance{"txtZT", "40", "30"};
    // The apparent power reads only what the current and voltage clicks stored.
    const auto currentAndVoltage = [](QMainWindow& p) {
        static_cast<P&>(p).lblI2_Click();
        static_cast<P&>(p).lblV2_Click();
    };
    cases.push_back(
        {page, "lblI2_Click", ThreePhaseSetup, {current}, {}, Call<P>(&P::lblI2_Click)});
    cases.push_back(
        {page, "lblV2_Click", ThreePhaseSetup, {voltage}, {}, Call<P>(&P::lblV2_Click)});
    cases.push_back(
        {page, "lblZ2_Click", ThreePhaseSetup, {impedance}, {}, Call<P>(&P::lblZ2_Click)});
    cases.push_back({page,
                     "lblS2_Click",
                     ThreePhaseSetup,
                     {current, voltage},
                     currentAndVoltage,
                     Call<P>(&P::lblS2_Click)});
}

// R = 10 kΩ, C = 100 µF charged by 12 V, at two times.
void AddTransientCases(std::vector<EventCase>& cases) {
    using P = pages::frmTransient;
    const auto setup = [](QMainWindow& page) {
        Type(page, "txtR", "10");
        Unit(page, "cboR", 1);
        Type(page, "txtC", "100");
        Unit(page, "cboC", 1);
        Type(page, "txtV", "12");
    };
    cases.push_back({"frmTransient",
                     "cmdCompute_Click",
                     setup,
                     {{"txtT", "1", "2"}},
                     {},
                     Call<P>(&P::cmdCompute_Click)});
}

} // namespace

std::vector<EventCase> EventCases() {
    std::vector<EventCase> cases;
    AddElementCases<pages::frmDC>(cases, {"frmDC", 'R', "cmdRT", 0}, &pages::frmDC::cmdRT_Click,
                                  ChainDoubles<pages::frmDC>());
    using C = pages::frmDCC;
    AddElementCases<C>(cases, {"frmDCC", 'C', "cmdCT", 1}, &C::cmdCT_Click,
                       {&C::optC1s_DblClick, &C::optC1p_DblClick, &C::optC2s_DblClick,
                        &C::optC2p_DblClick, &C::optC3s_DblClick, &C::optC3p_DblClick,
                        &C::optC4s_DblClick, &C::optC4p_DblClick});
    AddElementCases<pages::frmDCL>(cases, {"frmDCL", 'R', "cmdRT", 1}, &pages::frmDCL::cmdRT_Click,
                                   ChainDoubles<pages::frmDCL>());
    AddAcCases(cases);
    AddThreePhaseCases(cases, "frmThreeLtop");
    AddThreePhaseCases(cases, "FrmThreePtoL");
    AddTransientCases(cases);
    return cases;
}

std::unique_ptr<QMainWindow> MakePage(const std::string& page, widgets::MessageBoxes& messages) {
    const PageId* row = FindPage(page);
    if (!row) throw std::runtime_error("no page named " + page);
    return std::unique_ptr<QMainWindow>(shell::MakeWindow(*row, nullptr, messages));
}

void Prepare(QMainWindow& page, const EventCase& c, int round) {
    for (const Alternating& a : c.varied)
        Type(page, a.entry, round % 2 ? a.second : a.first);
    if (c.prepare) c.prepare(page);
}

void Settle() {
    QApplication::processEvents();
    QApplication::processEvents();
}

std::unique_ptr<QMainWindow> ReadyPage(const EventCase& c, widgets::MessageBoxes& messages,
                                       int rounds) {
    auto page = MakePage(c.page, messages);
    page->show();
    page->activateWindow();
    if (!QTest::qWaitForWindowExposed(page.get()))
        throw std::runtime_error(c.page + " was never shown");
    c.setup(*page);
    QStringList previous;
    for (int round = 0; round < rounds; ++round) {
        Prepare(*page, c, round);
        c.event(*page);
        Settle();
        QStringList texts;
        for (const QLabel* label : page->findChildren<QLabel*>())
            texts << label->text();
        if (round > 0 && texts == previous)
            throw std::runtime_error(c.page + " " + c.handler +
                                     " shows the same results for both inputs");
        previous = texts;
    }
    return page;
}

} // namespace vora::bench
