#pragma once

#include <string>

// The calculator's one number format: printf's %g with six significant
// digits and a three-digit exponent (0.333333, 1.23457e+006, -0, inf, nan).
// Exact and locale-free: the same digits on every platform.
std::string FormatNumber(double dValue);

// The same text, appended to strOut.
void AppendNumber(std::string& strOut, double dValue);
