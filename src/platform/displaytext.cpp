#include "displaytext.h"

#include "windows1252.h"

namespace vendrix::platform {

QString fromWindows1252(std::string_view bytes) {
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes)
        *out++ = QChar(windows1252::toUnicode(static_cast<unsigned char>(c)));
    return text;
}

} // namespace vendrix::platform
