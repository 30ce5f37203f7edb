#pragma once
// Note names and the music-theory tables of the engine library.

#include "engine/NoteTables.h"

#include <array>
#include <cstdint>
#include <string_view>

namespace Velmor {

class NoteDetector {
public:
    /// [any] MIDI note 0..127 of a note name such as "C#4" (letter, optional accidental '#', 's', 'b'
    /// or 'f', octave number; C4 is 60), clamped to 0..127; -1 when the text is not a note name.
    static int32_t midiNoteStringToNoteNumber(std::string_view text);

    /// Chord types and scales; constant data, present from load to unload.
    static const std::array<ChordType, kChordTypeCount> _chordTypes;
    static const std::array<ScaleDefinition, kScaleDefinitionCount> _scaleDefinitions;
};

} // namespace Velmor
