#pragma once
// The two ways numbers become text on screen and in messages, and the
// readings of numbers typed or stored as text.

#include <string>
#include <string_view>

namespace data {

// A blank before a number that is not negative: 3 -> " 3", -1 -> "-1".
std::string signPaddedNumber(long long n);
// The digits alone: 3 -> "3".
std::string plainNumber(long long n);

// The leading number of a text as it stands (blanks before it skipped; no
// number gives 0): "0.4" gives 0.4.
double leadingValue(std::string_view text);
// The same, rounded to the nearest whole number with halves to even.
long long leadingNumber(std::string_view text);

// A whole text read as a number (blanks around it allowed), rounded with
// halves to even; throws ui::RuntimeError (type mismatch) when the text is
// not a number.
long long wholeNumber(std::string_view text);

// Leading and trailing blanks removed.
std::string trimmed(std::string_view text);

} // namespace data
