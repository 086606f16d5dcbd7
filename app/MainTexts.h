#pragma once

#include <QString>

// Fixed texts of the entry window.
namespace MainTexts {
inline const QString caption =
    QStringLiteral("手机充值小票打印软件-支持所有接口的POS58小票打印机(需安装打印机驱动)  V3.8");
inline const QString heading = QStringLiteral("手机话费充值小票打印软件");
inline const QString contactLine =
    QStringLiteral("开发商：www.example.com   QQ:00000000  邮箱：shop@example.com");
inline const QString homePage = QStringLiteral("http://www.example.com/");
inline const QString storeName = QStringLiteral("星河通讯充值店");
inline const QString remark1 = QStringLiteral("电话:020-XXXXXX");
inline const QString remark2 = QStringLiteral("谢谢惠顾，欢迎再次光临！");
inline const QString timePattern = QStringLiteral("yyyy-mm-dd HH:MM:SS");
inline const QStringList carriers = {QStringLiteral("中国移动"), QStringLiteral("中国电信"),
                                     QStringLiteral("中国联通")};
}
