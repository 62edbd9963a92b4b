// The projection definition file reader on any text (the whole input is the
// file: the definition it holds is the set-up). A text that reads must also
// write back to a text that reads to the same record, bit for bit.

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
    const std::string written = definition::definitionText(first.definition, first.datum);
    definition::DefinitionFile second = definition::initialDefinition();
    if (!definition::parseDefinitionText(written, "fuzz.gwp", second).empty()) std::abort();
    if (!(second.params == first.params)) std::abort();
    return 0;
}
