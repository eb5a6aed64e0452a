// The shuffle of the result box: its lines in a uniformly random order, each
// followed by CR LF (so a second shuffle finds no extra empty line). An empty
// line inside the text is a line of its own; an empty text becomes one CR LF.
#pragma once

#include <string>
#include <string_view>

class RandomGenerator;

std::string ShuffleResultText(std::string_view text, RandomGenerator& random);
