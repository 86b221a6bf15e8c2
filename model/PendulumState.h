#pragma once

// The state of the compound pendulum: a rigid body swinging without friction
// about a fixed pivot, J * fi'' = -m * g * a * sin(fi). All values are doubles
// in SI units and radians, 0 until a run sets them. The main window owns the
// one instance the program uses; every run shares it.
namespace model {

// The fixed values a run starts with.
inline constexpr double standardMass = 1.0;     // kg
inline constexpr double standardGravity = 9.81; // m/s^2
inline constexpr double standardTimeStep = 0.01; // s

struct PendulumState {
    double Length = 0.0;   // a: pivot to centre of mass, m
    double Fi0 = 0.0;      // start angle, rad (after conversion from degrees)
    double Inertia = 0.0;  // J: moment of inertia about the pivot, kg m^2
    double Mass = 0.0;     // m, kg
    double Gravity = 0.0;  // g, m/s^2
    double TimeStep = 0.0; // dt, s
    double Time = 0.0;     // t, s
    double Fi = 0.0;       // angle from the downward vertical, rad; > 0 is right of the pivot
    double Omega = 0.0;    // angular velocity, rad/s
    double Epsilon = 0.0;  // angular acceleration, rad/s^2
    double Torque = 0.0;   // restoring torque about the pivot, N m

    // One semi-implicit Euler step: the torque from the current angle, the
    // acceleration, then the velocity, then the angle from the new velocity.
    // Each value is computed in extended precision and stored as a double
    // before the next one reads it. Inertia 0 throws FloatDivisionByZero (or
    // InvalidFloatOperation when the torque is 0 too); a value too large for
    // a double throws FloatOverflow. The values stored before the fault stay.
    void AdvanceStep();
};

} // namespace model
