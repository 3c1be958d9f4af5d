#include "RecordPreview.h"

#include "XmlRecordBuilder.h"

#include <QObject>

QString recordPreview(crestmap::StylePair style)
{
    const std::string sample =
        style.graphicStyle == crestmap::GraphicStyle::Kit ? "1234_home" : "1234";
    const auto picture = crestmap::picturePath(sample, style.graphicStyle, style.subType);
    if (!picture) {
        return QObject::tr("With these choices, images get no record.");
    }
    return QString::fromStdString(sample) + QStringLiteral(".png → ") +
           QString::fromStdString(*picture);
}
