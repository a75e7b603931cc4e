// The window program's scale factor.
#include "gui/scale.h"

#include <cmath>
#include <cstdlib>
#include <cstring>

namespace {

double factor = 1;

constexpr double most = 4;

}  // namespace

std::optional<double> scalevalue(std::string_view s) {
  if (s.size() == 1 && s[0] >= '1' && s[0] <= '4') return s[0] - '0';
  if (s.size() == 3 && s[0] >= '1' && s[0] <= '4' && s[1] == '.' && (s[2] == '0' || s[2] == '5')) {
    const double k = s[0] - '0' + (s[2] == '5' ? 0.5 : 0);
    if (k <= most) return k;
  }
  return std::nullopt;
}

double desktopscale(const char* gdkscale, const char* xftdpi) {
  if (gdkscale && *gdkscale) {
    char* end;
    const long k = std::strtol(gdkscale, &end, 10);
    if (!*end && k >= 1 && k <= most) return static_cast<double>(k);
  }
  if (xftdpi && *xftdpi) {
    char* end;
    const double dpi = std::strtod(xftdpi, &end);
    // (a dpi of 0 or below comes to the least factor, 1)
    if (!*end && std::isfinite(dpi))
      return std::fmin(most, std::fmax(1, std::floor(dpi / 48 + 0.5) / 2));
  }
  return 1;
}

std::optional<std::string> takescale(int& argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    const char* a = argv[i];
    int used;
    std::string value;
    if (std::strcmp(a, "--scale") == 0) {
      used = i + 1 < argc ? 2 : 1;
      if (used == 2) value = argv[i + 1];
    } else if (std::strncmp(a, "--scale=", 8) == 0) {
      used = 1;
      value = a + 8;
    } else {
      continue;
    }
    for (int j = i; j + used <= argc; ++j) argv[j] = j + used < argc ? argv[j + used] : nullptr;
    argc -= used;
    return value;
  }
  return std::nullopt;
}

std::optional<double> pickscale(const std::optional<std::string>& option, const char* vornakscale,
                                std::string& why) {
  std::string given;
  const char* from = "--scale";
  if (option) {
    given = *option;
  } else if (vornakscale && *vornakscale) {
    given = vornakscale;
    from = "VORNAK_SCALE";
  } else {
    return std::nullopt;
  }
  std::optional<double> k = scalevalue(given);
  if (!k)
    why =
        std::string(from) + " needs a number from 1 to 4 in steps of a half, not \"" + given + "\"";
  return k;
}

double scale() { return factor; }

void setscale(double k) { factor = k; }

int px(int n) { return static_cast<int>(std::floor(n * factor + 0.5)); }
