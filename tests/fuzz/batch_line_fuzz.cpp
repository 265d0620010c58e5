// Feeds the batch mode's line reader any bytes: every answer must be one JSON object on one line holding
// either a report (with its fields, and the exact figures when asked) or an error, and the echoed id.
#include "cli/batch.h"

#include <cstdint>
#include <cstdlib>
#include <nlohmann/json.hpp>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const std::string answer = tavolin::cli::answerBatchLine(line, ".");
    const auto parsed = nlohmann::json::parse(answer, nullptr, false);
    if (parsed.is_discarded() || !parsed.is_object() || answer.find('\n') != std::string::npos) std::abort();
    const bool report = parsed.contains("report");
    if (report == parsed.contains("error") || (report && !parsed.contains("fields"))) std::abort();
    for (const auto& [key, value] : parsed.items()) {
        const bool known =
            key == "id" || key == "report" || key == "error" || key == "fields" || key == "equity";
        if (!known || (!report && (key == "fields" || key == "equity"))) std::abort();
    }
    return 0;
}
