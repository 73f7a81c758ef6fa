#pragma once

#include "diagramcontent.h"

#include <string>

namespace vendrix::parkdrawing {

// What a park's diagram shows, in words for those who cannot see it (UTF-8): the park, its seven fence
// distances and heights from the left-field line to the right-field line, and the outlines drawn
// behind it. A value that cannot be real is said as such. The window's diagram panel gives it to
// screen readers, the web page to each diagram as its text alternative.
std::string describeDiagram(const DiagramContent& content, bool withAverage = true);

} // namespace vendrix::parkdrawing
