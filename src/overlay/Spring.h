#pragma once

namespace kestrel {

// How a spring moves: `response` is the period of the undamped oscillation in seconds,
// `dampingFraction` 1 settles without overshoot, below 1 bounces.
struct SpringParameters {
    double response = 0.3;
    double dampingFraction = 1.0;
};

// One animated value driven by a spring: a damped harmonic oscillator of mass 1, stiffness
// (2π / response)² and damping 4π · dampingFraction / response, solved in closed form, so the
// value is a plain function of time and a frame can ask for it at the moment it will be
// shown. Retargeting starts from the current position and velocity, so interrupted
// animations continue smoothly. Times are in seconds on any monotonic clock.
class SpringValue {
public:
    explicit SpringValue(double value = 0) : m_target(value) {}

    // Moves toward `target` from wherever the value is at `now`.
    void animate(double target, SpringParameters spring, double now);
    // Jumps to `value` with no motion.
    void set(double value);

    double target() const { return m_target; }
    double value(double time) const;
    double velocity(double time) const;
    // Whether the value is at rest at `time`: within `tolerance` of the target and barely moving.
    bool isSettled(double time, double tolerance = 1e-3) const;

private:
    // Displacement from the target and its velocity, `elapsed` seconds after the start.
    void solve(double elapsed, double& displacement, double& velocity) const;

    double m_target;
    double m_startTime = 0;
    double m_startDisplacement = 0; // value minus target at the start
    double m_startVelocity = 0;
    double m_omega = 1;   // undamped angular frequency, 2π / response
    double m_damping = 1; // damping fraction
};

} // namespace kestrel
