#include "CarrierTable.h"

#include <array>

const Carrier* carrierAt(int index)
{
    static const std::array<Carrier, 3> carriers = {{
        {QStringLiteral("中国移动咨询热线：10086"), QStringLiteral("10086.jpg")},
        {QStringLiteral("中国电信咨询热线：10000"), QStringLiteral("10000.jpg")},
        {QStringLiteral("中国联通咨询热线：10010"), QStringLiteral("10010.jpg")},
    }};
    if (index < 0 || index >= int(carriers.size()))
        return nullptr;
    return &carriers[size_t(index)];
}
