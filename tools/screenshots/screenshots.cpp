// SPDX-License-Identifier: MIT
// Takes the README's screenshots: every window of the program at the size it
// opens with, with a worked example on each calculation page, saved as PNG
// files in the given folder:
//   vora_screenshots DIR
// or the whole screen with the worked resistor page opened on it, under the
// desktop's palette or a dark one, as DIR/NAME.png:
//   vora_screenshots DIR --screen NAME [--dark]
// Run it under a real X server (make screenshots uses xvfb-run).
#include "pages/ac/ac_page.h"
#include "pages/solve_panel.h"
#include "shell/window_set.h"
#include "support/dark_palette.h"
#include "widgets/clickable_label.h"
#include "widgets/message_boxes.h"
#include "widgets/option_button.h"
#include "widgets/unit_list.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QMainWindow>
#include <QScreen>
#include <QSettings>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>
#include <string_view>

namespace {

using vora::shell::WindowId;

// Message boxes are not wanted in the pictures.
class SilentMessages : public vora::widgets::MessageBoxes {
public:
    void show(QWidget*, Icon, const QString& title, const QString& text) override {
        std::fprintf(stderr, "message: %s: %s\n", qPrintable(title), qPrintable(text));
    }
};

class Scenario {
public:
    explicit Scenario(QMainWindow* w)
        : w_(w) {}
    Scenario& type(const char* name, const QString& text) {
        if (auto* e = w_->findChild<QLineEdit*>(name)) e->setText(text);
        return *this;
    }
    Scenario& unit(const char* name, int position) {
        if (auto* u = w_->findChild<vora::widgets::UnitList*>(name)) u->setCurrentIndex(position);
        return *this;
    }
    Scenario& click(const char* name) {
        if (auto* b = w_->findChild<QAbstractButton*>(name)) b->click();
        if (auto* l = w_->findChild<vora::widgets::ClickableLabel*>(name)) emit l->clicked();
        return *this;
    }
    Scenario& doubleClick(const char* name) {
        if (auto* o = w_->findChild<vora::widgets::OptionButton*>(name)) {
            o->click();
            emit o->doubleClicked();
        }
        return *this;
    }

private:
    QMainWindow* w_;
};

void Write(const QPixmap& picture, const QDir& dir, const QString& file) {
    const QString path = dir.filePath(file);
    if (!picture.save(path))
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
    else
        std::printf("%s\n", qPrintable(path));
}

void Save(QMainWindow* w, const QDir& dir, const QString& file) {
    QApplication::processEvents();
    QTest::qWait(150);
    Write(w->grab(), dir, file);
}

void ResistorExample(QMainWindow* dc) {
    Scenario(dc)
        .type("txtR1", "10")
        .click("optR1s")
        .type("txtR2", "20")
        .click("optR2p")
        .type("txtR3", "30")
        .click("optR3p")
        .click("cmdRT")
        .click("optV")
        .type("txtIV", "12")
        .doubleClick("optR2p");
}

void CapacitorExample(QMainWindow* dcc) {
    Scenario(dcc)
        .type("txtC1", "2")
        .unit("cboC1", 1)
        .click("optC1s")
        .type("txtC2", "3")
        .unit("cboC2", 1)
        .click("optC2s")
        .unit("cboCT", 1)
        .click("cmdCT")
        .click("optV")
        .type("txtIV", "10")
        .doubleClick("optC2s");
}

void InductorExample(QMainWindow* dcl) {
    Scenario(dcl)
        .type("txtR1", "10")
        .click("optR1s")
        .type("txtR2", "20")
        .click("optR2s")
        .click("cmdRT")
        .click("optI")
        .type("txtIV", "2")
        .doubleClick("optR2s");
}

void AcExample(QMainWindow* ac) {
    Scenario(ac)
        .type("txtR1", "100")
        .click("optR1s")
        .type("txtXL", "0.5")
        .click("optXLs")
        .type("txtXC", "10")
        .unit("cboXC", 1)
        .click("OPtXcs")
        .click("cmdZT")
        .click("cmdPF")
        .click("optV")
        .type("txtIV", "10")
        .click("cmdRP")
        .click("cmdXL")
        .click("cmdXC")
        .doubleClick("optR1s");
}

void LineToPhaseExample(QMainWindow* ltop) {
    Scenario(ltop)
        .click("optY")
        .type("txtIT", "10")
        .type("txtVT", "400")
        .click("lblI2")
        .click("lblV2")
        .click("lblZ2")
        .click("lblS2");
}

void PhaseToLineExample(QMainWindow* ptol) {
    Scenario(ptol)
        .click("optD")
        .type("txtIT", "10")
        .type("txtVT", "230")
        .type("txtZT", "30")
        .click("lblI2")
        .click("lblV2")
        .click("lblZ2")
        .click("lblS2");
}

void TransientExample(QMainWindow* transient) {
    Scenario(transient)
        .type("txtR", "10")
        .unit("cboR", 1)
        .type("txtC", "100")
        .unit("cboC", 1)
        .type("txtV", "12")
        .type("txtT", "1")
        .click("cmdCompute");
}

// The README's picture of a window: its file and the example on it.
struct Scene {
    const char* window;
    const char* file;
    void (*example)(QMainWindow*) = nullptr;
};

const Scene kScenes[] = {
    {.window = "frmmain", .file = "main.png"},
    {.window = "frmDC", .file = "resistors.png", .example = ResistorExample},
    {.window = "frmDCC", .file = "capacitors.png", .example = CapacitorExample},
    {.window = "frmDCL", .file = "inductors.png", .example = InductorExample},
    {.window = "FrmAC", .file = "ac.png", .example = AcExample},
    {.window = "frmThreeLtop", .file = "line_to_phase.png", .example = LineToPhaseExample},
    {.window = "FrmThreePtoL", .file = "phase_to_line.png", .example = PhaseToLineExample},
    {.window = "frmHelp", .file = "help.png"},
    {.window = "frmAB", .file = "about.png"},
    {.window = "frmTransient", .file = "transients.png", .example = TransientExample},
};

const Scene* SceneOf(std::string_view window) {
    for (const Scene& scene : kScenes)
        if (window == scene.window) return &scene;
    return nullptr;
}

} // namespace

int main(int argc, char* argv[]) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create("Fusion"));
    // The pictures show every window at its default size, whatever the
    // developer's own settings remember.
    const QTemporaryDir settings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, settings.path());
    const QDir dir(argc > 1 ? argv[1] : "docs/screenshots");
    const QStringList args = QApplication::arguments();
    const int screen = static_cast<int>(args.indexOf("--screen"));
    if (args.contains("--dark")) QApplication::setPalette(vora::testing::DarkPalette());
    SilentMessages messages;
    vora::shell::WindowSet windows(messages);

    auto page = [&](WindowId id) {
        windows.ShowPage(id);
        return windows.window(id);
    };

    if (screen > 0 && screen + 1 < args.size()) {
        QMainWindow* dc = page(WindowId::frmDC);
        ResistorExample(dc);
        QApplication::processEvents();
        QTest::qWait(300);
        Write(dc->screen()->grabWindow(0), dir, args.at(screen + 1) + ".png");
        return 0;
    }

    // Every window of the registry, the calculation pages with a worked
    // example where there is one; a window without a scene of its own is
    // taken as it opens, under its objectName.
    for (const vora::shell::WindowEntry& row : vora::shell::kWindows) {
        QMainWindow* w = nullptr;
        if (vora::shell::InPageSet(row.id)) {
            w = page(row.id);
        } else {
            windows.ShowOnly(row.id);
            w = windows.window(row.id);
        }
        const Scene* scene = SceneOf(row.name);
        if (scene && scene->example) scene->example(w);
        Save(w, dir, scene ? scene->file : QString(row.name) + ".png");
    }
    // The resistor page again while a value is being typed: what it makes
    // uncomputable is dimmed.
    QMainWindow* dc = page(vora::shell::WindowId::frmDC);
    Scenario(dc).type("txtR3", "3e");
    Save(dc, dir, "resistors_out_of_date.png");
    // The AC page near resonance, where the inductor's and the capacitor's
    // voltages nearly cancel and the source's lies over the resistor's: the
    // crowded case for the diagrams' labels.
    QMainWindow* ac = page(vora::shell::WindowId::FrmAC);
    Scenario(ac)
        .type("txtR1", "10")
        .click("optR1s")
        .type("txtXL", "0.1")
        .unit("cboXL", 0)
        .click("optXLs")
        .type("txtXC", "101.32")
        .unit("cboXC", 1)
        .click("OPtXcs")
        .click("optV")
        .type("txtIV", "230")
        .click("cmdZT")
        .click("cmdPF")
        .click("cmdRP")
        .click("cmdXL")
        .click("cmdXC")
        .doubleClick("optXLs");
    Save(ac, dir, "ac_near_resonance.png");
    // Finding a value: the capacitor that makes that circuit resonate, from
    // a power factor of 1, with the panel open at the foot of the page.
    Scenario(ac).type("txtF", "50").unit("cboF", 0).click("cmdPF");
    if (auto* panel = static_cast<vora::pages::Page<vora::calc::AcVars>*>(ac)->finding()) {
        panel->open("PF");
        Scenario(ac).type("txtTarget", "1");
        if (auto* unknown = ac->findChild<QComboBox*>("cboUnknown"))
            unknown->setCurrentIndex(unknown->findData("txtXC"));
        Scenario(ac).click("cmdSolve");
    }
    Save(ac, dir, "find_value.png");
    return 0;
}
