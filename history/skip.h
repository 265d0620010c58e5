#pragma once

#include <string>

namespace tavolin::history {

// A hand, or a stretch of a file, that was not read, and why.
struct Skip {
    std::string Id; // the site's hand number, empty when the text holds none
    std::string Reason;
};

} // namespace tavolin::history
