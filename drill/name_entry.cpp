// Reading the learner's name at the name entry.
#include "drill/name_entry.h"

#include "drill/console_io.h"
#include "logtext/utf8.h"

#include <string_view>

namespace {

// Where to cut bytes down to at most limit: before a well-formed UTF-8 character that would
// straddle the cut, else at the limit itself (the name may be in a console's code page).
std::size_t cutPosition(std::string_view bytes, std::size_t limit)
{
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    std::size_t lead = limit;
    while (lead > 0 && limit - lead < 3 && (data[lead] & 0xC0) == 0x80)
        --lead;
    const std::size_t available = bytes.size() - lead;
    const std::size_t length = utf8SequenceLength(data + lead, available);
    return lead < limit && length > limit - lead && length <= available ? lead : limit;
}

} // namespace

void readName(DrillConsole& console, std::string& name)
{
    // Three bytes beyond the bound show whether a character straddles it.
    readWholeLine(console, name, nameLimit + 3);
    if (name.size() > nameLimit)
        name.resize(cutPosition(name, nameLimit));
    for (char& c : name) {
        if (static_cast<unsigned char>(c) < 0x20 || c == 0x7F)
            c = ' ';
    }
}
