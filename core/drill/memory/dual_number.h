#pragma once

#include <array>
#include <cmath>
#include <cstddef>

// A number that carries its derivatives by N variables along with its
// value (forward-mode differentiation): the fit runs the memory model's own
// formulas in these numbers, the weights being the variables, and reads the
// gradient of the log loss off the result.
template <std::size_t N>
struct DualNumber {
    double value = 0;
    std::array<double, N> slopes{};  // ∂value/∂ each variable

    constexpr DualNumber() = default;
    // A constant: its slopes are 0.
    constexpr DualNumber(double constant) : value(constant) {}  // NOLINT(google-explicit-constructor)

    // The variable `index` at `value`: its own slope is 1.
    static DualNumber variable(double value, std::size_t index)
    {
        DualNumber x(value);
        x.slopes[index] = 1.0;
        return x;
    }

    // f(x) where f'(x) is `slope`.
    DualNumber chained(double result, double slope) const
    {
        DualNumber y(result);
        for (std::size_t i = 0; i < N; ++i)
            y.slopes[i] = slope * slopes[i];
        return y;
    }

    friend DualNumber operator-(const DualNumber& x) { return x.chained(-x.value, -1.0); }

    DualNumber& operator+=(const DualNumber& b)
    {
        value += b.value;
        for (std::size_t i = 0; i < N; ++i)
            slopes[i] += b.slopes[i];
        return *this;
    }

    friend DualNumber operator+(const DualNumber& a, const DualNumber& b)
    {
        DualNumber y(a.value + b.value);
        for (std::size_t i = 0; i < N; ++i)
            y.slopes[i] = a.slopes[i] + b.slopes[i];
        return y;
    }
    friend DualNumber operator-(const DualNumber& a, const DualNumber& b)
    {
        DualNumber y(a.value - b.value);
        for (std::size_t i = 0; i < N; ++i)
            y.slopes[i] = a.slopes[i] - b.slopes[i];
        return y;
    }
    friend DualNumber operator*(const DualNumber& a, const DualNumber& b)
    {
        DualNumber y(a.value * b.value);
        for (std::size_t i = 0; i < N; ++i)
            y.slopes[i] = a.slopes[i] * b.value + a.value * b.slopes[i];
        return y;
    }
    friend DualNumber operator/(const DualNumber& a, const DualNumber& b)
    {
        const double quotient = a.value / b.value;
        DualNumber y(quotient);
        for (std::size_t i = 0; i < N; ++i)
            y.slopes[i] = (a.slopes[i] - quotient * b.slopes[i]) / b.value;
        return y;
    }

    // With a constant on one side only the other side's slopes count.
    friend DualNumber operator+(const DualNumber& a, double b) { return a.chained(a.value + b, 1.0); }
    friend DualNumber operator+(double a, const DualNumber& b) { return b.chained(a + b.value, 1.0); }
    friend DualNumber operator-(const DualNumber& a, double b) { return a.chained(a.value - b, 1.0); }
    friend DualNumber operator-(double a, const DualNumber& b) { return b.chained(a - b.value, -1.0); }
    friend DualNumber operator*(const DualNumber& a, double b) { return a.chained(a.value * b, b); }
    friend DualNumber operator*(double a, const DualNumber& b) { return b.chained(a * b.value, a); }
    friend DualNumber operator/(const DualNumber& a, double b) { return a.chained(a.value / b, 1.0 / b); }
    friend DualNumber operator/(double a, const DualNumber& b)
    {
        const double quotient = a / b.value;
        return b.chained(quotient, -quotient / b.value);
    }

    friend double valueOf(const DualNumber& x) { return x.value; }

    friend DualNumber exp(const DualNumber& x)
    {
        const double e = std::exp(x.value);
        return x.chained(e, e);
    }
    friend DualNumber log(const DualNumber& x) { return x.chained(std::log(x.value), 1.0 / x.value); }
    friend DualNumber pow(double base, const DualNumber& power)
    {
        const double result = std::pow(base, power.value);
        return power.chained(result, result * std::log(base));
    }
    friend DualNumber pow(const DualNumber& base, const DualNumber& power)
    {
        const double result = std::pow(base.value, power.value);
        DualNumber y(result);
        const double byBase = power.value * result / base.value;
        const double byPower = result * std::log(base.value);
        for (std::size_t i = 0; i < N; ++i)
            y.slopes[i] = byBase * base.slopes[i] + byPower * power.slopes[i];
        return y;
    }
};
