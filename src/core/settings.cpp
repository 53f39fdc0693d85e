#include "core/settings.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace core {

std::optional<double> heldNumber(const std::string& text) {
  std::string s;
  for (char c : text) {
    if (c != ' ' && c != '\t') s.push_back(c);
  }
  std::size_t i = 0;
  std::string num;
  if (i < s.size() && (s[i] == '+' || s[i] == '-')) num.push_back(s[i++]);
  const std::size_t digitsStart = i;
  while (i < s.size() && s[i] >= '0' && s[i] <= '9') num.push_back(s[i++]);
  bool digits = i > digitsStart;
  if (i < s.size() && s[i] == '.') {
    std::size_t j = i + 1;
    std::string frac;
    while (j < s.size() && s[j] >= '0' && s[j] <= '9') frac.push_back(s[j++]);
    if (digits || !frac.empty()) {
      num += "." + frac;
      digits = true;
      i = j;
    }
  }
  if (!digits) return 0.0;
  if (i < s.size() && (s[i] == 'e' || s[i] == 'E')) {
    std::size_t j = i + 1;
    std::string exp = "e";
    if (j < s.size() && (s[j] == '+' || s[j] == '-')) exp.push_back(s[j++]);
    const std::size_t expDigits = j;
    while (j < s.size() && s[j] >= '0' && s[j] <= '9') exp.push_back(s[j++]);
    if (j > expDigits) num += exp;
  }
  const double v = std::strtod(num.c_str(), nullptr);
  if (!std::isfinite(v)) return std::nullopt;
  return v;
}

double lenientNumber(const std::string& text) { return heldNumber(text).value_or(0.0); }

double Value::number() const {
  if (const auto* d = std::get_if<double>(&v_)) return *d;
  if (const auto* s = std::get_if<std::string>(&v_)) return lenientNumber(*s);
  return 0.0;
}

std::string Value::text() const {
  if (const auto* s = std::get_if<std::string>(&v_)) return *s;
  if (const auto* d = std::get_if<double>(&v_)) {
    char buf[40];
    if (std::nearbyint(*d) == *d && std::fabs(*d) < 1e15) {
      std::snprintf(buf, sizeof buf, "%.0f", *d);
    } else {
      std::snprintf(buf, sizeof buf, "%.15g", *d);
    }
    return buf;
  }
  return {};
}

}  // namespace core
