#pragma once
// The framework's texts are UTF-16 like Qt's, so they cross without decoding.

#include <QString>

#include "platform/framework/CString.h"

class QtText {
public:
    static QString ToQString(const CString& text);
    static CString FromQString(const QString& text);
};
