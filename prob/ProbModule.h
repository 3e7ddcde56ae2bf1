#pragma once
// The probabilities of the four test statistics. Every function is pure apart
// from tprob's yield, and every result is capped at 0.9999; none is clamped
// below, so a result far in a tail can be a tiny negative number (tprob's
// written steps reach about -4.4e-15, e.g. t 9.68 with 4836 df). Degrees of freedom are whole
// numbers passed as doubles; a fractional part is dropped.

namespace ProbModule {

// Two-tailed P(|Z| >= |z|) for a standard normal Z.
double zprob(double z);

// Two-tailed P(|T| >= |t|) for Student's t with df >= 1 degrees of freedom.
// Gives the framework a turn once per pass of its series (df - 3) / 2 times
// for odd df, (df - 2) / 2 for even df, none below 4.
double tprob(double t, double df);

// Upper tail P(X >= chi) for a chi-square X with df >= 1 degrees of freedom, chi >= 0.
double x2prob(double chi, double df);

// Upper tail P(X >= F) for an F variable with (df1, df2) degrees of freedom,
// F >= 1; the series stops at a loose tolerance (1e-05 when df1 is 1, else 0.001).
double fprob(double F, double df1, double df2);

namespace detail {

// Natural logarithm of the gamma function of xx > 0 (six-term Lanczos series
// with shortened coefficients, so lngamma(1) is about 1e-10, not 0).
double lngamma(double xx);

}  // namespace detail

}  // namespace ProbModule
