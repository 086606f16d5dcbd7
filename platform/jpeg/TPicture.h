#pragma once

#include "JpegImage.h"

#include <QString>
#include <memory>

class QPainter;
class QRectF;

// A picture that loads from a file (or a resource path) whose extension selects
// the picture type. JPEG (".jpg", ".jpeg") is the one type we register.
// A load that fails in any way keeps the picture held before.
class TPicture
{
public:
    // Throws AppError: "Cannot open file <path>", "Stream read error",
    // "Unknown picture file extension (.<ext>)", or a JPEG header error.
    void LoadFromFile(const QString& fileName);

    bool isEmpty() const { return !graphic; }
    JpegImage* jpeg() const { return graphic.get(); }
    // Draws the picture stretched to the target; nothing when empty. Decoder
    // errors of the first draw travel on as AppError.
    void draw(QPainter& painter, const QRectF& target);

private:
    std::shared_ptr<JpegImage> graphic;
};
