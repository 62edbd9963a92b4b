// The projection definition file reader on any text (the whole input is the
// file: the definition it holds is the set-up). A refused text leaves the
// record alone; an accepted one writes back to a text that reads again.

#include <cstdlib>
#include <string>
#include <string_view>

#include "definition/definition_file.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    definition::DefinitionFile first = definition::initialDefinition();
    const definition::DefinitionFile untouched = first;
    const std::string problem = definition::parseDefinitionText(text, "fuzz.gwp", first);
    if (!problem.empty()) {
        // A refused file leaves the caller's record as it was.
        if (!(first.params == untouched.params && first.definition == untouched.definition)) {
            std::abort();
        }
        return 0;
    }
    // What a definition writes reads again. A number of more than the
    // fields' fifteen significant digits is rounded to them when a later
    // field is taken over, which the written file (it names every reachable
    // field) may do where the first file did not: from the first rewrite on,
    // the record must stay the same, bit for bit.
    const std::string written = definition::definitionText(first.definition, first.datum);
    definition::DefinitionFile second = definition::initialDefinition();
    if (!definition::parseDefinitionText(written, "fuzz.gwp", second).empty()) std::abort();
    const std::string rewritten = definition::definitionText(second.definition, second.datum);
    definition::DefinitionFile third = definition::initialDefinition();
    if (!definition::parseDefinitionText(rewritten, "fuzz.gwp", third).empty()) std::abort();
    if (!(third.params == second.params)) std::abort();
    return 0;
}
