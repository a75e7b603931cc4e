// Periodic-term series of the planetary theory.
#include "engine/series.h"

#include <cmath>

double getterms(const int32_t* tab, int n, double t)
{
  double s = 0.0;
  for (int i = 0; i < n; i++, tab += 3)
    s += tab[0] * 1e-8 * std::cos(tab[1] * 1e-8 + (tab[2] * 0.001) * t);
  return s;
}

void getplanet(double T, double* out, const double* lrg,
               const int32_t* const* ptr, const int* terms)
{
  // Julian millennia.
  double tau = T / 10.0;
  int j = 0;
  for (int v = 0; v < 3; v++) {
    double sum = 0.0;
    double p = 1.0;
    for (int k = 0; k < 3; k++, j++) {
      if (k > 0)
        p *= tau;
      sum += (lrg[j] + getterms(ptr[j], terms[j], tau)) * p;
    }
    out[v] = sum;
  }
}
