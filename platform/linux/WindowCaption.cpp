#include "platform/linux/WindowCaption.h"

namespace vok {

QString captionFrom(const QByteArray& bytes, CaptionEncoding encoding) {
    const qsizetype nul = bytes.indexOf('\0');
    const QByteArray text = nul < 0 ? bytes : bytes.left(nul);
    const QString caption =
        encoding == CaptionEncoding::Utf8 ? QString::fromUtf8(text) : QString::fromLatin1(text);
    int characters = 0;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (characters == kCaptionLimit)
            return caption.left(i);
        if (caption[i].isHighSurrogate() && i + 1 < caption.size() &&
            caption[i + 1].isLowSurrogate())
            ++i;
        ++characters;
    }
    return caption;
}

} // namespace vok
