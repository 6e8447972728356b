#pragma once
// The descriptor text with which the device announces an array (values 60,
// 69 and 70): fixed character positions, e.g. "069 B 0003 005".
#include <string>

namespace kav::measure {

struct ArrayDescriptor {
    int nummer = 0;  // positions 1-3: the array number for "RD_InfoArray"
    std::string typ; // position 5: the elements' type letter
    int anzahl = 0;  // positions 7-10: the element count
    int block = 0;   // positions 12-14: elements per "RD_InfoArray" request
};

// A text too short for the fixed positions, or with anything but digits
// where the numbers stand, reads as all zeros: block length 0, which the
// readouts refuse with the size message.
ArrayDescriptor arrayDescriptor(const std::string& text);

} // namespace kav::measure
