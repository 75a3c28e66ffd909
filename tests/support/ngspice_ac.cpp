// SPDX-License-Identifier: MIT
#include "ngspice_ac.h"

#include <charconv>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <numbers>
#include <sstream>
#include <stdexcept>

namespace vora::testing {
namespace {

namespace fs = std::filesystem;

// Shortest text that reads back as the same double, whatever the locale.
std::string Number(double x) {
    char buf[40];
    const auto end = std::to_chars(buf, buf + sizeof buf, x).ptr;
    return std::string(buf, end);
}

// One element's place: the ammeter (a 0 V source) runs from `a` to `m`, the
// element from `m` to `b`.
struct Probe {
    std::string element, ammeter, m, b;
};

// The netlist lines of circuit number k, its nodes prefixed so that all the
// circuits of a batch share only the ground.
class Netlist {
public:
    Netlist(const SpiceCircuit& c, int k)
        : c_(c)
        , k_(std::to_string(k))
        , prefix_("k" + k_ + "_") {}

    std::string Lines() {
        const std::string s = prefix_ + "s", a = prefix_ + "a";
        text_ += c_.voltageSource ? "V" + k_ + " " + s + " 0 DC 0 AC " + Number(c_.source) + " 0\n"
                                  : "I" + k_ + " 0 " + s + " DC 0 AC " + Number(c_.source) + " 0\n";
        text_ += "VS" + k_ + " " + s + " " + a + " 0\n";
        Place(c_.sketch, a, "0");
        return text_;
    }

    // The vectors wrdata writes for this circuit, in order.
    std::string Vectors() const {
        std::string v = "v(" + prefix_ + "a) i(VS" + k_ + ")";
        for (const Probe& p : probes_) {
            v += " i(" + p.ammeter + ") v(" + p.m + ")";
            if (p.b != "0") v += " v(" + p.b + ")";
        }
        return v;
    }

    SpiceResult Read(const std::vector<double>& row) const {
        std::size_t at = 1; // after the frequency
        const auto next = [&] {
            const Phasor p(row.at(at), row.at(at + 1));
            at += 2;
            return p;
        };
        SpiceResult r;
        r.voltage = next();
        r.current = next();
        for (const Probe& p : probes_) {
            SpiceFlow f;
            f.current = next();
            f.voltage = next();
            if (p.b != "0") f.voltage -= next();
            r.elements[p.element] = f;
        }
        return r;
    }

private:
    void Place(const calc::Sketch& s, const std::string& a, const std::string& b) {
        using K = calc::Sketch::Kind;
        if (s.kind == K::Element) {
            Probe p{s.name, "VM" + k_ + s.name, Node(), b};
            text_ += p.ammeter + " " + a + " " + p.m + " 0\n";
            text_ +=
                s.name + "_" + k_ + " " + p.m + " " + b + " " + Number(c_.values.at(s.name)) + "\n";
            probes_.push_back(p);
        } else if (s.kind == K::Series) {
            std::string from = a;
            for (std::size_t i = 0; i < s.parts.size(); ++i) {
                const std::string to = i + 1 == s.parts.size() ? b : Node();
                Place(s.parts[i], from, to);
                from = to;
            }
        } else {
            for (const calc::Sketch& part : s.parts)
                Place(part, a, b);
        }
    }
    std::string Node() { return prefix_ + "n" + std::to_string(nodes_++); }

    const SpiceCircuit& c_;
    std::string k_, prefix_, text_;
    int nodes_ = 0;
    std::vector<Probe> probes_;
};

std::string Slurp(const fs::path& file) {
    std::ifstream in(file);
    std::stringstream text;
    text << in.rdbuf();
    return text.str();
}

} // namespace

std::vector<SpiceResult> RunAc(const std::vector<SpiceCircuit>& circuits, double omega) {
    char pattern[] = "/tmp/vora_ngspice_XXXXXX";
    if (!mkdtemp(pattern)) throw std::runtime_error("no temporary folder for ngspice");
    const fs::path dir = pattern;
    const fs::path netlist = dir / "circuits.cir", data = dir / "flows.txt", log = dir / "log.txt";

    std::vector<Netlist> nets;
    nets.reserve(circuits.size());
    std::string text = "AC page oracle\n.options noopac\n";
    for (std::size_t k = 0; k < circuits.size(); ++k) {
        nets.emplace_back(circuits[k], static_cast<int>(k));
        text += nets.back().Lines();
    }
    // One frequency; the circuits are linear, so no operating point is needed
    // (a current source into a capacitor has none).
    const std::string f = Number(omega / (2 * std::numbers::pi));
    text += ".control\nset numdgt=15\nset wr_singlescale\nset appendwrite\nac lin 1 " + f + " " +
            f + "\n";
    for (const Netlist& n : nets)
        text += "wrdata " + data.string() + " " + n.Vectors() + "\n";
    // Batch mode ends with status 1 unless told otherwise; a failed step
    // shows as missing rows.
    text += "quit 0\n.endc\n.end\n";
    std::ofstream(netlist) << text;

    const std::string command =
        "ngspice -b '" + netlist.string() + "' > '" + log.string() + "' 2>&1";
    const int status = std::system(command.c_str());
    std::vector<SpiceResult> results;
    std::istringstream rows(Slurp(data));
    std::string line;
    for (std::size_t k = 0; k < nets.size() && std::getline(rows, line);) {
        std::vector<double> row;
        std::istringstream numbers(line);
        std::string word;
        while (numbers >> word) {
            double x = 0;
            std::from_chars(word.data(), word.data() + word.size(), x);
            row.push_back(x);
        }
        if (row.empty()) continue;
        results.push_back(nets[k++].Read(row));
    }
    const std::string output = Slurp(log);
    fs::remove_all(dir);
    if (status != 0 || results.size() != circuits.size())
        throw std::runtime_error("ngspice failed (status " + std::to_string(status) + ", " +
                                 std::to_string(results.size()) + " of " +
                                 std::to_string(circuits.size()) + " results):\n" + output);
    return results;
}

} // namespace vora::testing
