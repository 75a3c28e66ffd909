// SPDX-License-Identifier: MIT
#include "spice.h"

#include <array>
#include <charconv>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <map>
#include <sstream>
#include <stdexcept>
#include <unistd.h>

namespace vora::testing::spice {

std::string Number(double value) {
    std::array<char, 32> text{};
    const auto end = std::to_chars(text.data(), text.data() + text.size(), value).ptr;
    return {text.data(), end};
}

namespace {

// The text of a shell command's standard output, then its standard error.
// Read apart: ngspice writes both, and a message on standard error landing
// in the middle of a printed value would cut the value short.
std::string Capture(const std::string& command, const std::string& errors, int& status) {
    std::string out;
    FILE* pipe = popen((command + " 2>" + errors).c_str(), "r");
    if (!pipe) throw std::runtime_error("cannot start: " + command);
    std::array<char, 4096> buffer{};
    while (const std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe))
        out.append(buffer.data(), n);
    status = pclose(pipe);
    std::ifstream err(errors);
    out += std::string(std::istreambuf_iterator<char>(err), {});
    std::remove(errors.c_str());
    return out;
}

std::string Lower(std::string text) {
    for (char& c : text)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return text;
}

} // namespace

std::string Netlist::Node() {
    return "n" + std::to_string(++nodes_);
}

void Netlist::Resistor(const std::string& name, const std::string& a, const std::string& b,
                       double ohms) {
    Line(name + " " + a + " " + b + " " + Number(ohms));
}
void Netlist::Capacitor(const std::string& name, const std::string& a, const std::string& b,
                        double farads) {
    Line(name + " " + a + " " + b + " " + Number(farads));
}
void Netlist::Inductor(const std::string& name, const std::string& a, const std::string& b,
                       double henries) {
    Line(name + " " + a + " " + b + " " + Number(henries));
}
void Netlist::VoltageSource(const std::string& name, const std::string& plus,
                            const std::string& minus, double volts, double acMagnitude) {
    Line(name + " " + plus + " " + minus + " DC " + Number(volts) +
         (acMagnitude != 0 ? " AC " + Number(acMagnitude) : ""));
}
void Netlist::CurrentSource(const std::string& name, const std::string& from, const std::string& to,
                            double amps, double acMagnitude) {
    Line(name + " " + from + " " + to + " DC " + Number(amps) +
         (acMagnitude != 0 ? " AC " + Number(acMagnitude) : ""));
}

void Netlist::Network(const calc::Sketch& s, const std::string& a, const std::string& b,
                      const AddElement& add) {
    using K = calc::Sketch::Kind;
    if (s.kind == K::Element) return add(s.name, a, b);
    if (s.kind == K::Parallel) {
        for (const calc::Sketch& part : s.parts)
            Network(part, a, b, add);
        return;
    }
    std::string from = a;
    for (std::size_t i = 0; i < s.parts.size(); ++i) {
        const std::string to = i + 1 == s.parts.size() ? b : Node();
        Network(s.parts[i], from, to, add);
        from = to;
    }
}

std::vector<double> Run(const Netlist& netlist, const std::string& analysis,
                        const std::vector<std::string>& print) {
    char path[] = "/tmp/vora_spice_XXXXXX";
    const int fd = mkstemp(path);
    if (fd < 0) throw std::runtime_error("cannot create a netlist file");
    close(fd);
    {
        std::ofstream file(path);
        file << "vora oracle\n";
        for (const std::string& line : netlist.lines())
            file << line << '\n';
        file << ".control\nset numdgt=17\n" << analysis << '\n';
        // One expression per print keeps every output line "name = value".
        for (const std::string& p : print)
            file << "print " << p << '\n';
        file << ".endc\n.end\n";
    }
    int status = 0;
    // The C locale, so that numbers come with a full stop under every locale.
    const std::string out =
        Capture(std::string("LC_ALL=C ngspice -b ") + path, std::string(path) + ".err", status);
    std::remove(path);

    std::map<std::string, double> printed;
    std::istringstream lines(out);
    for (std::string line; std::getline(lines, line);) {
        const auto eq = line.find(" = ");
        if (eq == std::string::npos) continue;
        double value = 0;
        const char* first = line.c_str() + eq + 3;
        const char* last = line.c_str() + line.size();
        if (std::from_chars(first, last, value).ec != std::errc{}) continue;
        printed[Lower(line.substr(0, eq))] = value;
    }
    std::vector<double> values;
    for (const std::string& p : print) {
        const auto it = printed.find(Lower(p));
        // ngspice -b exits with 1 even after a clean run, so only the values
        // tell whether it worked.
        if (it == printed.end())
            throw std::runtime_error("ngspice did not print " + p + ":\n" + out.substr(0, 4000));
        values.push_back(it->second);
    }
    return values;
}

bool Available() {
    return std::system("command -v ngspice >/dev/null 2>&1") == 0;
}

} // namespace vora::testing::spice
