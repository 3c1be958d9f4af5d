#include "StyleSelectors.h"

namespace crestmap {

StylePair StyleSelectors::stylePair() const noexcept
{
    using namespace GraphicStyle;
    const std::int64_t subType = graphicStyle >= Logo && graphicStyle <= LogoBackgroundRight
                                     ? logoType
                                 : graphicStyle == Kit        ? kitType
                                 : graphicStyle == Background ? backgroundType
                                                              : 0;
    return {graphicStyle, subType};
}

} // namespace crestmap
