// Order statistics of timing samples.
#pragma once

#include <vector>

// The q-quantile (0..1) by linear interpolation between order statistics;
// NaN for no samples.
double quantile(std::vector<double> samples, double q);
double median(const std::vector<double>& samples);
