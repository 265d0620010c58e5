#pragma once

// What the report's lines and terms mean, one sentence each: shown when the player hovers the report and
// gathered into the glossary that F1 opens.

#include <QString>
#include <span>

namespace tavolin {

struct GlossaryEntry {
    const char* Term;    // as it stands in the report
    const char* Meaning; // one sentence
};

// The report's terms, in the order the glossary lists them.
std::span<const GlossaryEntry> glossaryTerms();

// The term under `column` of a report line when there is one, else what the whole line says; "" for a
// blank line.
QString explainReportLine(const QString& line, qsizetype column);

// What a term of the study column means ("live holdings", "true outs"); "" for an unknown term.
QString studyTerm(const char* term);

// The glossary as rich text for the F1 window.
QString glossaryHtml();

} // namespace tavolin
