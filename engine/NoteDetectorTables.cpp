// Data only: the chord types and scale definitions of NoteDetector.

#include "engine/NoteDetector.h"

namespace Velmor {

const std::array<ChordType, kChordTypeCount> NoteDetector::_chordTypes{{
    {1, {0, 2, 4, 7, 9, 10}, 100}, // dominant thirteenth
    {2, {0, 2, 5, 7, 10}, 90},     // ninth, suspended fourth
    {3, {0, 2, 4, 7, 11}, 80},     // major ninth
    {4, {0, 2, 3, 7, 10}, 80},     // minor ninth
    {5, {0, 2, 4, 7, 10}, 75},     // dominant ninth
    {6, {0, 4, 7, 11}, 60},        // major seventh
    {7, {0, 3, 7, 10}, 60},        // minor seventh
    {8, {0, 4, 7, 10}, 55},        // dominant seventh
    {9, {0, 4, 7, 9}, 40},         // major sixth
    {10, {0, 3, 7, 9}, 40},        // minor sixth
    {11, {0, 4, 7}, 30},           // major triad
    {12, {0, 3, 7}, 30},           // minor triad
    {13, {0, 3, 6}, 28},           // diminished triad
    {14, {0, 4, 8}, 28},           // augmented triad
    {15, {0, 2, 7}, 20},           // suspended second
    {16, {0, 5, 7}, 20},           // suspended fourth
    {17, {0, 3, 6, 10}, 15},       // half-diminished seventh
    {18, {0, 7}, 10},              // root and fifth
}};

const std::array<ScaleDefinition, kScaleDefinitionCount> NoteDetector::_scaleDefinitions{{
    {"Major (Ionian)", {0, 2, 4, 5, 7, 9, 11}, 0, 0},
    {"Dorian", {0, 2, 3, 5, 7, 9, 10}, 1, 2},
    {"Phrygian", {0, 1, 3, 5, 7, 8, 10}, 1, 4},
    {"Lydian", {0, 2, 4, 6, 7, 9, 11}, 1, 5},
    {"Mixolydian", {0, 2, 4, 5, 7, 9, 10}, 1, 3},
    {"Minor (Aeolian)", {0, 2, 3, 5, 7, 8, 10}, 0, 1},
    {"Locrian", {0, 1, 3, 5, 6, 8, 10}, 1, 6},
    {"Major Pentatonic", {0, 2, 4, 7, 9}, 0, 8},
    {"Minor Pentatonic", {0, 3, 5, 7, 10}, 0, 7},
    {"Minor (Natural)", {0, 2, 3, 5, 7, 8, 10}, 0, 300},
    {"Minor (Harmonic)", {0, 2, 3, 5, 7, 8, 11}, 0, 300},
    {"Minor (Melodic)", {0, 2, 3, 5, 7, 9, 11}, 0, 300},
    {"Aeolian Dominant", {0, 2, 4, 5, 7, 8, 10}, 1, 500},
    {"Phrygian Dominant", {0, 1, 4, 5, 7, 8, 10}, 1, 500},
    {"Super Locrian", {0, 1, 3, 4, 6, 8, 10}, 1, 500},
    {"Lydian #2", {0, 3, 4, 6, 7, 9, 11}, 1, 500},
    {"Ionian #5", {0, 2, 4, 5, 8, 9, 11}, 1, 500},
    {"Dorian #4", {0, 2, 3, 6, 7, 9, 10}, 1, 500},
    {"Locrian natural 6", {0, 1, 3, 5, 6, 9, 10}, 1, 500},
    {"Blues Scale", {0, 3, 5, 6, 7, 10}, 0, 500},
    {"Whole Tone", {0, 2, 4, 6, 8, 10}, 0, 500},
    {"Half-Whole Diminished", {0, 1, 3, 4, 6, 7, 9, 10}, 0, 500},
    {"Whole-Half Diminished", {0, 2, 3, 5, 6, 8, 9, 11}, 0, 500},
    {"Hungarian Minor", {0, 2, 3, 6, 7, 8, 11}, 0, 500},
    {"Double Harmonic Major", {0, 1, 4, 5, 7, 8, 11}, 0, 500},
    {"Enigmatic", {0, 1, 4, 6, 8, 10, 11}, 0, 500},
    {"Chromatic", {0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11}, 0, 999},
}};

} // namespace Velmor
