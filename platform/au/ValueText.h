#pragma once

#include "platform/au/Status.h"
#include "platform/au/Value.h"

#include <string>
#include <string_view>

namespace au {

// The text form of a state Value, for hosts that save a unit's state to a file.
//
//   au-state 1                      first line: format name and version
//   {                               dictionary: keys in sorted order, one entry per line
//     "name": "Zindral",            string: UTF-8 bytes; \" \\ \n \r \t and \xHH for other controls
//     "seed": u18446744073709551615 unsigned 64-bit
//     "offset": i-3,                signed 64-bit
//     "gain": r0.5,                 double, shortest round-trip form; rnan, rinf, r-inf
//     "blob": <00ff>,               data as hex pairs
//     "list": [true, false, null]
//   }
//
// The same Value always gives the same text, and parsing the text gives the Value back exactly.

// [any]
std::string toStateText(const Value& value);

// [any] Parses text made by toStateText. Fails with kErrInvalidFile and a description with the line
// number for damaged text, text of another format, nesting deeper than kMaximumStateDepth, or
// anything after the value. Never crashes on any input.
Result<Value> parseStateText(std::string_view text);

inline constexpr int kMaximumStateDepth = 64;

} // namespace au
