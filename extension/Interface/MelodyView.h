#pragma once

// MelodyView: the strip at the top of the plug-in window. It shows the line the engine plays (one
// note line per sounding step, its height the step's note value, slid steps joined to the next
// note, accented steps in their own colour, note names under the notes when there is room) with a
// playhead over the step that plays, and under it a row of controls: the two offset buttons, the
// seed field and the "MIDI" button that drags the sequence out as a Standard MIDI File. Everything
// comes from the Settings in the environment (SettingsEnvironment.h).

#include "extension/Interface/MelodyDrawing.h"

#include "platform/tk/ui/Component.h"
#include "platform/tk/ui/Node.h"
#include "platform/tk/ui/State.h"

namespace extension {

// The playhead bar over the note area. It reads the playing step itself, so that a step rebuilds
// only the bar and not the whole strip.
struct MelodyPlayhead {
    NoteArea area{};
    StepGeometry geometry{};

    // [main]
    tk::ui::Node body();
};

// The note lines and the playhead over them. They read the parameters, the displayed sequence and
// the playing step, so that a change of those rebuilds them and not the strip's controls.
struct MelodyNotes {
    NoteArea area{};

    // [main]
    tk::ui::Node body();
};

// The "MIDI" button. It reads every parameter and the seed for its identity (a new file for every
// sequence), and only it rebuilds when they change. A tap shows the drag hint, a drag hides it.
struct MidiExportButton {
    tk::ui::Binding<bool> showDragMessage{};

    // [main]
    tk::ui::Node body();
};

struct MelodyView {
    double gx = 32;
    double gy = 16;
    double gw = 552;
    double gh = 122;
    tk::ui::State<bool> showDragMessage{false};

    static constexpr tk::Size kSize{616, 192};

    // [main]
    tk::ui::Node body();

private:
    tk::ui::Node controlRow();
};

} // namespace extension
