// splitKitName and the kit rule against a reference written from their description.

#include "FuzzReference.h"
#include "XmlRecordBuilder.h"

#include <algorithm>

using crestmap::fuzz::referenceEscape;
using crestmap::fuzz::require;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size < 1) {
        return 0;
    }
    const std::int64_t subType = static_cast<std::int64_t>(data[0] % 5) - 1;
    const std::string_view name(reinterpret_cast<const char*>(data + 1), size - 1);

    std::string_view team;
    std::string_view kit;
    if (std::count(name.begin(), name.end(), '_') == 1) {
        team = name.substr(0, name.find('_'));
        kit = name.substr(name.find('_') + 1);
    }
    const auto parts = crestmap::splitKitName(name);
    require(parts.first == team && parts.second == kit, "split");

    const auto lines = crestmap::XmlRecordBuilder{}.buildRecord(name, 6, subType);
    const bool expected =
        !team.empty() && (subType == 1 || subType == 2) && crestmap::fuzz::referenceWritable(name);
    require(lines.size() == (expected ? 1u : 0u), "kit record presence");
    if (expected) {
        const std::string folder = subType == 1 ? "/kits/" : "/kit_textures/";
        require(lines.front() == "<record from=\"" + referenceEscape(name) +
                                     "\" to=\"graphics/pictures/team/" + referenceEscape(team) +
                                     folder + referenceEscape(kit) + "\"/>",
                "kit line");
    }
    return 0;
}
