#include "StyleSelectors.h"

namespace crestmap {

std::int64_t StyleSelectors::subTypeForGraphicStyle(std::int64_t style) const noexcept
{
    if (style >= GraphicStyle::Logo && style <= GraphicStyle::LogoBackgroundRight) {
        return logoType;
    }
    if (style == GraphicStyle::Kit) {
        return kitType;
    }
    if (style == GraphicStyle::Background) {
        return backgroundType;
    }
    return 0;
}

} // namespace crestmap
