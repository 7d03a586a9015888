#include "platform/qt/widgets/QtText.h"

QString QtText::ToQString(const CString& text) {
    const std::u16string& units = text.str();
    return QString::fromUtf16(units.data(), static_cast<qsizetype>(units.size()));
}

CString QtText::FromQString(const QString& text) {
    return CString(std::u16string(reinterpret_cast<const char16_t*>(text.utf16()), static_cast<size_t>(text.size())));
}
