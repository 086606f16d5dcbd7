#include "TPicture.h"

#include "AppError.h"

#include <QFile>
#include <QFileInfo>

namespace {

bool isJpegExtension(const QString& extension)
{
    return extension.compare(QLatin1String("jpg"), Qt::CaseInsensitive) == 0
        || extension.compare(QLatin1String("jpeg"), Qt::CaseInsensitive) == 0;
}

QByteArray readWholeFile(const QString& fileName)
{
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("Cannot open file %1").arg(fileName));
    const qint64 size = file.size();
    QByteArray bytes(size, Qt::Uninitialized);
    qint64 done = 0;
    while (done < size) {
        const qint64 got = file.read(bytes.data() + done, size - done);
        if (got <= 0)
            throw AppError(QStringLiteral("Stream read error"));
        done += got;
    }
    return bytes;
}

} // namespace

void TPicture::LoadFromFile(const QString& fileName)
{
    const QString extension = QFileInfo(fileName).suffix();
    if (!isJpegExtension(extension))
        throw AppError(QStringLiteral("Unknown picture file extension (.%1)").arg(extension));
    graphic = std::make_shared<JpegImage>(readWholeFile(fileName));
}

void TPicture::draw(QPainter& painter, const QRectF& target)
{
    if (graphic)
        graphic->draw(painter, target);
}
