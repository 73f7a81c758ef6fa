#include "displaytext.h"

#include "season/windows1252.h"

namespace vendrix::gui {

namespace windows1252 = season::windows1252;

QString fromWindows1252(std::string_view bytes) {
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes)
        *out++ = QChar(windows1252::toUnicode(static_cast<unsigned char>(c)));
    return text;
}

QString printableFromWindows1252(std::string_view bytes) {
    QString text(static_cast<qsizetype>(bytes.size()), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char c : bytes) {
        const char16_t character = windows1252::toUnicode(static_cast<unsigned char>(c));
        const bool control = character < 0x20 || (character >= 0x7F && character < 0xA0);
        *out++ = QChar(control ? u'?' : character);
    }
    return text;
}

QString fromUtf8(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}

} // namespace vendrix::gui
