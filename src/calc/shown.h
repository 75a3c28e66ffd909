// SPDX-License-Identifier: MIT
// What every computing event gives back, on every page: the page's stored
// values after the event, the result labels to write (each with the symbol
// of its unit), the working, and the pictures to draw. One step of the page
// writes all of it; no page writes its results another way.
//
// Labels and pictures are named by their slot: their place in the page's
// own list of result labels and pictures, which each page family numbers
// with an enum of its own.
#pragma once

#include "element_network.h"
#include "sketch.h"
#include "term.h"
#include "transient/transient.h"
#include "vector_diagram.h"

#include <concepts>
#include <optional>
#include <string>
#include <type_traits>
#include <variant>
#include <vector>

namespace vora::calc {

// A page's place for a label or a picture: an int, or an enum of the family.
template <class S>
concept Slot = std::is_enum_v<S> || std::integral<S>;

template <Slot S> constexpr int SlotOf(S slot) {
    return static_cast<int>(slot);
}

// One result label as an event writes it.
struct LabelWrite {
    int slot = 0;
    // As shown (a FormatNumber text, a word or a name); empty clears the label.
    std::string text;
    // The quantity in the unit `symbol` names (of which `text` may show a
    // multiple), for the engineering form in the tool-tip and the copied
    // text; none where the text is a word, a name or a bare number.
    std::optional<double> value;
    std::string symbol;
    // A further line of the tool-tip ("rms value, peak 2.090 A"); for an
    // empty label, the whole tool-tip (why it holds no number).
    std::string note;
};

// A network or circuit as connected, with the values it was computed for
// and the element to mark ("R2"; empty for none).
struct SketchPicture {
    Sketch sketch;
    SketchValues values;
    std::string highlight;
};

// The values read by the event, written on a sketch that shows the choices
// rather than a result.
struct SketchValuesPicture {
    SketchValues values;
};

// A switching transient from 0 to 5τ, and the state at the time asked for.
struct CurvePicture {
    transient::Inputs model;
    std::vector<transient::State> points;
    transient::State at;
};

// A table of every element's results; no rows clears it.
using ResultsTable = NetworkResults;

using Picture =
    std::variant<SketchPicture, SketchValuesPicture, VectorDiagram, ResultsTable, CurvePicture>;

struct PictureWrite {
    int slot = 0;
    Picture picture;
};

template <class Vars> struct Shown {
    Vars vars;
    std::vector<LabelWrite> labels;
    Working working;
    std::vector<PictureWrite> pictures;

    // Writes a word, a name or a bare number.
    template <Slot S> void write(S slot, std::string text) {
        labels.push_back({SlotOf(slot), std::move(text), std::nullopt, {}, {}});
    }
    // Writes a quantity with its unit's symbol.
    template <Slot S>
    void write(S slot, std::string text, double value, std::string symbol, std::string note = {}) {
        labels.push_back(
            {SlotOf(slot), std::move(text), value, std::move(symbol), std::move(note)});
    }
    template <Slot S> void draw(S slot, Picture picture) {
        pictures.push_back({SlotOf(slot), std::move(picture)});
    }

    // The last write of a slot, if the event writes it.
    template <Slot S> const LabelWrite* label(S slot) const {
        for (auto it = labels.rbegin(); it != labels.rend(); ++it)
            if (it->slot == SlotOf(slot)) return &*it;
        return nullptr;
    }
    // The text the event writes in a slot; empty where it writes none.
    template <Slot S> std::string text(S slot) const {
        const LabelWrite* w = label(slot);
        return w ? w->text : std::string();
    }
    template <class P, Slot S> const P* picture(S slot) const {
        for (auto it = pictures.rbegin(); it != pictures.rend(); ++it)
            if (it->slot == SlotOf(slot)) return std::get_if<P>(&it->picture);
        return nullptr;
    }
};

} // namespace vora::calc
