#pragma once

namespace model {

// The three inputs of a run, as the window's fields hold them: the distance
// a from the pivot to the centre of mass [m], the moment of inertia J about
// the pivot [kg m^2] and the start angle as typed [degrees].
struct RunInputs {
    double length = 0.0;
    double inertia = 0.0;
    double angle = 0.0;
};

} // namespace model
