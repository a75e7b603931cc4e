// vornak-chart's page options.
#include "cli/pageoption.h"

int pageoption(const std::vector<std::string>& args, std::size_t& i, pageopts& o,
               std::string& why) {
  const std::string& a = args[i];
  if (a == "--north") {
    o.north = true;
    return 1;
  }
  static const struct {
    const char* name;
    pageformat format;
  } valued[] = {{"--png", pageformat::png}, {"--svg", pageformat::svg},
                {"--pdf", pageformat::pdf}, {"--scale", pageformat::none}};
  for (const auto& opt : valued) {
    std::string name = opt.name;
    std::string v;
    if (a == name) {
      if (i + 1 >= args.size()) {
        why = name + (opt.format == pageformat::none ? " needs a number from 1 to 4"
                                                     : " needs a file name");
        return -1;
      }
      v = args[++i];
    } else if (a.rfind(name + "=", 0) == 0) {
      v = a.substr(name.size() + 1);
    } else {
      continue;
    }
    if (opt.format == pageformat::none) {
      if (v.size() != 1 || v[0] < '1' || v[0] > '4') {
        why = "--scale needs a number from 1 to 4, not \"" + v + "\"";
        return -1;
      }
      o.scale = v[0] - '0';
      o.scaleset = true;
    } else {
      if (o.format != pageformat::none) {
        why = "only one of --png, --svg and --pdf, please";
        return -1;
      }
      if (v.empty()) {
        why = name + " needs a file name";
        return -1;
      }
      o.format = opt.format;
      o.path = v;
    }
    return 1;
  }
  return 0;
}

std::string pageoptscheck(const pageopts& o) {
  if (o.format == pageformat::none && (o.north || o.scaleset))
    return "--north and --scale go with --png, --svg or --pdf";
  if (o.scaleset && o.format != pageformat::png) return "--scale goes with --png only";
  return "";
}
