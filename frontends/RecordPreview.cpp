#include "RecordPreview.h"

#include "XmlRecordBuilder.h"

#include <QObject>

QString recordPreview(crestmap::StylePair style)
{
    const std::string sample =
        style.graphicStyle == crestmap::GraphicStyle::Kit ? "1234_home" : "1234";
    const auto lines =
        crestmap::XmlRecordBuilder{}.buildRecord(sample, style.graphicStyle, style.subType);
    if (lines.empty()) {
        return QObject::tr("With these choices, images get no record.");
    }
    const std::string& line = lines.front();
    const std::string to = " to=\"";
    const auto start = line.find(to) + to.size();
    const auto end = line.rfind("\"/>");
    return QString::fromStdString(sample) + QStringLiteral(".png → ") +
           QString::fromStdString(line.substr(start, end - start));
}
