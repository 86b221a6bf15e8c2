#pragma once

#include <string>

namespace web {

// The texts of the three number fields as they stood when "Start" was
// clicked, in UTF-8.
struct StartFields {
    std::string length = "0.8";  // Edit1: a [m]
    std::string angle = "10";    // Edit2: phi0 [degrees]
    std::string inertia = "0.05"; // Edit3: J [kg m^2]
};

} // namespace web
