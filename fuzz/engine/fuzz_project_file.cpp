// The project file reader on arbitrary bytes: it never crashes, and a record
// it accepts is written back to a text that reads as the same record (unless
// a text of it holds a double quote, which a save refuses).
#include "ProjectFile.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <variant>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto read =
        kestrix::ReadProjectText(std::string_view(reinterpret_cast<const char*>(data), size));
    const auto* record = std::get_if<kestrix::ProjectRecord>(&read);
    if (!record) {
        if (std::get<std::string>(read).empty())
            std::abort(); // a refusal always says why
        return 0;
    }
    if (!(record->Vsa > 0) || !(record->Vra > 0))
        std::abort();
    if (record->Title.find('"') != std::string::npos ||
        record->SavedModel.find('"') != std::string::npos)
        return 0;
    const auto back = kestrix::ReadProjectText(kestrix::WriteProjectText(*record));
    const auto* again = std::get_if<kestrix::ProjectRecord>(&back);
    if (!again || !(*again == *record))
        std::abort();
    return 0;
}
