#pragma once
// Format strings of the panel texts: "%d" takes an Integer, "%s" a String, "%%"
// is a percent sign; an optional argument index ("%1:d"), "-" (left-justify),
// a width and a precision may stand between "%" and the type letter.
#include <string>
#include <variant>
#include <vector>

using TPU_Formatwert = std::variant<long long, std::string>;

// Text formatted with the arguments. A specifier without an argument, or one
// that is not understood, is copied unchanged; a String given for "%d" prints as
// it stands, an Integer given for "%s" as a decimal.
std::string TPU_Format(const std::string& Text, const std::vector<TPU_Formatwert>& Werte);
