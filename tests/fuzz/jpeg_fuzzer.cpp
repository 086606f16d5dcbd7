// libFuzzer target: any bytes through header parsing and decoding. A decoder
// error must come back as AppError; nothing may crash, leak or hang.
#include "AppError.h"
#include "JpegImage.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    try {
        JpegImage image(QByteArray(reinterpret_cast<const char*>(data), qsizetype(size)));
        image.pixels();
    } catch (const AppError&) {
    }
    return 0;
}
