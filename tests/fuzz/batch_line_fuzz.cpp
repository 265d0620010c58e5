// Feeds the batch mode's line reader any bytes: every answer must be one JSON object with exactly one
// key, "report" or "error".
#include "cli/batch.h"

#include <cstdint>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const std::string answer = tavolin::cli::answerBatchLine(line, ".");
    const auto parsed = nlohmann::json::parse(answer, nullptr, false);
    if (parsed.is_discarded() || !parsed.is_object() || parsed.size() != 1 ||
        !(parsed.contains("report") || parsed.contains("error")) || answer.find('\n') != std::string::npos) {
        std::abort();
    }
    return 0;
}
