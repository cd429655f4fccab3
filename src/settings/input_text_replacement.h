#pragma once

#include <cstddef>
#include <string_view>
#include <vector>

#include "platform/cp932.h"

// The input text replacement that the replacing edit control applies while the operator
// types: each pair maps a set of source characters to a destination text. Works on CP932
// bytes; it knows nothing of the settings object that holds the pairs.

// True when the destination holds one of the pair's own source characters. Such a pair
// would replace forever if each replacement were searched for again from the start.
bool IsSelfFeedingReplacementPair(std::string_view source, std::string_view destination);

// Applies the pairs in index order: every character of the text that belongs to a pair's
// source set is replaced by that pair's destination. caret is a byte position in text; it
// moves by the growth of every replacement made before it and stays on a character start.
// Self-feeding pairs and pairs with an empty source are skipped. Pairs beyond the shorter of
// the two arrays are ignored. Returns true when the text changed.
bool ApplyInputTextReplacement(Cp932& text, size_t& caret, const std::vector<Cp932>& sources,
                               const std::vector<Cp932>& destinations);
