#include "overlay/Spring.h"

#include <cmath>
#include <numbers>

namespace kestrel {

void SpringValue::animate(double target, SpringParameters spring, double now)
{
    const double current = value(now);
    const double currentVelocity = velocity(now);
    m_target = target;
    m_startTime = now;
    m_startDisplacement = current - target;
    m_startVelocity = currentVelocity;
    m_omega = 2 * std::numbers::pi / std::max(spring.response, 1e-3);
    m_damping = std::max(spring.dampingFraction, 0.0);
}

void SpringValue::set(double value)
{
    m_target = value;
    m_startDisplacement = 0;
    m_startVelocity = 0;
}

void SpringValue::solve(double elapsed, double& displacement, double& speed) const
{
    const double x0 = m_startDisplacement;
    const double v0 = m_startVelocity;
    if (x0 == 0 && v0 == 0) {
        displacement = speed = 0;
        return;
    }
    const double t = std::max(elapsed, 0.0);
    const double w = m_omega;
    const double z = m_damping;
    if (std::abs(z - 1) < 1e-9) { // critically damped
        const double decay = std::exp(-w * t);
        const double b = v0 + w * x0;
        displacement = (x0 + b * t) * decay;
        speed = (b - w * (x0 + b * t)) * decay;
    } else if (z < 1) { // underdamped: bounces
        const double wd = w * std::sqrt(1 - z * z);
        const double decay = std::exp(-z * w * t);
        const double b = (v0 + z * w * x0) / wd;
        const double c = std::cos(wd * t);
        const double s = std::sin(wd * t);
        displacement = decay * (x0 * c + b * s);
        speed = decay * ((b * wd - z * w * x0) * c - (x0 * wd + z * w * b) * s);
    } else { // overdamped
        const double root = std::sqrt(z * z - 1);
        const double r1 = -w * (z - root);
        const double r2 = -w * (z + root);
        const double c1 = (v0 - r2 * x0) / (r1 - r2);
        const double c2 = x0 - c1;
        displacement = c1 * std::exp(r1 * t) + c2 * std::exp(r2 * t);
        speed = c1 * r1 * std::exp(r1 * t) + c2 * r2 * std::exp(r2 * t);
    }
}

double SpringValue::value(double time) const
{
    double displacement = 0;
    double speed = 0;
    solve(time - m_startTime, displacement, speed);
    return m_target + displacement;
}

double SpringValue::velocity(double time) const
{
    double displacement = 0;
    double speed = 0;
    solve(time - m_startTime, displacement, speed);
    return speed;
}

bool SpringValue::isSettled(double time, double tolerance) const
{
    double displacement = 0;
    double speed = 0;
    solve(time - m_startTime, displacement, speed);
    return std::abs(displacement) <= tolerance && std::abs(speed) <= tolerance * m_omega;
}

} // namespace kestrel
